#pragma once

#include <string>
#include <string_view>

#include <QByteArray>
#include <QString>

namespace tabulon::gui {

// The model keeps texts as bytes; on screen each byte is one Latin-1 character, so every byte a
// file holds is shown and typed text goes back byte for byte.
inline QString Latin1(std::string_view bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Characters beyond Latin-1 become "?", the byte QString::toLatin1 gives them.
inline std::string Bytes(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace tabulon::gui
