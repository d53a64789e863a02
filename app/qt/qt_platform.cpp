// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/qt_platform.h"

#include <string_view>
#include <utility>

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>

#include "app/qt/about_dialog.h"
#include "app/qt/file_history.h"
#include "app/qt/latin1.h"
#include "app/qt/open_file_dialog.h"

namespace tabulon::gui {

namespace {

// The dialog of this desktop first offers, and preselects, every name thermo databases go by,
// then the entries asked for, then each other name alone. When the requested folder does not
// exist (the "C:\\" of the program's first home), it opens in the folder used last, and only
// without one in the home folder.
OpenFileRequest WithThisDesktopsHabits(OpenFileRequest request) {
  request.filter =
      "Thermo databases (*.dat *.the *.therm *.thermo *.txt *.inp)|"
      "*.dat;*.the;*.therm;*.thermo;*.txt;*.inp|" +
      request.filter +
      "THERM Files (*.therm)|*.therm|THERMO Files (*.thermo)|*.thermo|Text Files (*.txt)|*.txt|"
      "INP Files (*.inp)|*.inp|";
  request.filter_index = 1;
  const QString last = file_history::LastFolder();
  const QString requested = QFile::decodeName(QByteArray::fromStdString(request.initial_dir));
  if (!QFileInfo(requested).isDir() && !last.isEmpty() && QFileInfo(last).isDir()) {
    request.initial_dir = QFile::encodeName(last).toStdString();
  }
  return request;
}

}  // namespace

void QtPlatform::RefreshView() {
  if (view_) view_->Refresh();
}

void QtPlatform::ShowMessage(const Message& message) {
  RefreshView();
  // Lines are joined by CR LF; a line may carry a species name of any length.
  QStringList lines;
  std::string_view rest = message.text;
  while (true) {
    const std::size_t end = rest.find("\r\n");
    lines.append(ShownLatin1(rest.substr(0, end)));
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 2);
  }
  const QString text = lines.join(QChar('\n'));
  QMessageBox box(
      message.icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
      Latin1(message.title), text, QMessageBox::Ok, view_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

std::optional<std::string> QtPlatform::ChooseOpenFile(const OpenFileRequest& request) {
  RefreshView();
  const std::unique_ptr<QFileDialog> dialog =
      MakeOpenFileDialog(WithThisDesktopsHabits(request), view_);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  // The path in the file system's own encoding, so the logic opens the very file chosen.
  return QFile::encodeName(dialog->selectedFiles().front()).toStdString();
}

void QtPlatform::DatabaseLoaded(const std::string& path) {
  file_history::Remember(QFile::decodeName(QByteArray::fromStdString(path)));
}

std::optional<std::string> QtPlatform::ChooseFolder(const std::string& title,
                                                    const std::string& initial_dir) {
  RefreshView();
  const QString chosen = QFileDialog::getExistingDirectory(
      view_, Latin1(title), QFile::decodeName(QByteArray::fromStdString(initial_dir)));
  if (chosen.isEmpty()) return std::nullopt;
  return QFile::encodeName(chosen).toStdString();
}

void QtPlatform::LetWindowRepaint() {
  RefreshView();
  // Paints the window now and handles nothing else: user input, a close request and every
  // other event wait until the running reaction has ended, so no reaction starts inside it.
  if (view_ && view_->isVisible()) view_->repaint();
}

void QtPlatform::OpenLink(const std::string& link) {
  QDesktopServices::openUrl(QUrl(Latin1(link)));  // a link that cannot be opened is ignored
}

void QtPlatform::ShowAboutWindow() {
  RefreshView();
  if (view_) ShowAboutDialog(view_->Model().about, view_);
}

void QtPlatform::EndProgram() {
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

}  // namespace tabulon::gui
