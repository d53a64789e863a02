// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/csv_export.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <QFileDialog>
#include <QMessageBox>

namespace tabulon::gui {

bool IsOneOf(const std::string& path, const std::vector<std::string>& databases) {
  for (const std::string& database : databases) {
    if (database.empty()) continue;
    std::error_code error;
    if (path == database || std::filesystem::equivalent(path, database, error)) return true;
  }
  return false;
}

void ExportCsv(QWidget* parent, const std::string& suggested,
               const std::vector<std::string>& databases,
               const std::function<void(std::ostream&)>& write) {
  const QString chosen = QFileDialog::getSaveFileName(
      parent, QObject::tr("Export CSV"), QFile::decodeName(QByteArray::fromStdString(suggested)),
      QObject::tr("CSV files (*.csv);;All files (*)"));
  if (chosen.isEmpty()) return;
  const std::string path = chosen.toStdString();
  if (IsOneOf(path, databases)) {
    QMessageBox::warning(parent, QObject::tr("Export CSV"),
                         QObject::tr("%1 is a loaded database; it is never written to.\n"
                                     "Choose another file name.")
                             .arg(chosen));
    return;
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (out) write(out);
  out.close();
  if (!out) {
    QMessageBox::critical(parent, QObject::tr("Export CSV"),
                          QObject::tr("%1 could not be written: %2")
                              .arg(chosen, QString::fromLocal8Bit(std::strerror(errno))));
  }
}

}  // namespace tabulon::gui
