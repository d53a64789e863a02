// SPDX-License-Identifier: GPL-3.0-or-later
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

// At most `most` bytes of a text as Latin-1, then an ellipsis. A name is as long as its line in
// the file, which may be megabytes: laying out such a text stalls the window for seconds (a
// list row, a message box line), and no one reads past the first screenful anyway.
inline QString ShownLatin1(std::string_view bytes, std::size_t most = 1000) {
  if (bytes.size() <= most) return Latin1(bytes);
  return Latin1(bytes.substr(0, most)) + QChar(0x2026);
}

// Characters beyond Latin-1 become "?", the byte QString::toLatin1 gives them.
inline std::string Bytes(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace tabulon::gui
