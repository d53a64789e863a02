// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/save_database_dialog.h"

#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QSortFilterProxyModel>

#include "app/qt/latin1.h"

namespace tabulon::gui {
namespace {

// File names as the file system holds them (bytes in the locale's encoding) and as shown.
std::string PathBytes(const QString& path) {
  return QFile::encodeName(path).toStdString();
}
QString PathText(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

// Hides the files in use from the dialog's list.
class HideFilesInUse : public QSortFilterProxyModel {
 public:
  HideFilesInUse(const std::vector<std::string>& in_use, QObject* parent)
      : QSortFilterProxyModel(parent), in_use_(in_use) {}

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (files == nullptr) return true;
    const QModelIndex index = files->index(row, 0, parent);
    if (files->isDir(index)) return true;
    const std::string path = PathBytes(files->filePath(index));
    return CheckTarget(path, {true, in_use_}).refusal != TargetRefusal::Protected;
  }

 private:
  std::vector<std::string> in_use_;
};

}  // namespace

std::optional<std::string> AskNewDatabasePath(QWidget* parent, const QString& title,
                                              const QString& suggested_name,
                                              const std::vector<std::string>& in_use) {
  QFileDialog dialog(parent, title);
  dialog.setObjectName("saveDatabase");
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters({QObject::tr("Thermo databases (*.dat *.the *.therm *.thermo *.txt)"),
                         QObject::tr("All files (*)")});
  dialog.setProxyModel(new HideFilesInUse(in_use, &dialog));
  dialog.selectFile(suggested_name);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const std::string path = PathBytes(dialog.selectedFiles().front());
  const TargetCheck check = CheckTarget(path, {true, in_use});
  if (check.refusal != TargetRefusal::None) {
    QMessageBox::warning(parent, title,
                         QObject::tr("%1\nNothing was written.").arg(Latin1(check.problem)));
    return std::nullopt;
  }
  return path;
}

void ShowSaveOutcome(QWidget* parent, const QString& title, const std::string& target,
                     const SaveOutcome& outcome, const QString& done) {
  if (outcome.saved) {
    QMessageBox::information(parent, title,
                             QObject::tr("%1\nWritten to %2").arg(done, PathText(target)));
  } else {
    QMessageBox::critical(
        parent, title,
        QObject::tr("%1 was not written:\n%2").arg(PathText(target), Latin1(outcome.problem)));
  }
}

}  // namespace tabulon::gui
