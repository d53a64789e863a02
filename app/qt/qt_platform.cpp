#include "app/qt/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "app/qt/about_dialog.h"
#include "app/qt/latin1.h"
#include "app/qt/open_file_dialog.h"

namespace tabulon::gui {

void QtPlatform::RefreshView() {
  if (view_) view_->Refresh();
}

void QtPlatform::ShowMessage(const Message& message) {
  RefreshView();
  QString text = Latin1(message.text);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(
      message.icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
      Latin1(message.title), text, QMessageBox::Ok, view_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

std::optional<std::string> QtPlatform::ChooseOpenFile(const OpenFileRequest& request) {
  RefreshView();
  const std::unique_ptr<QFileDialog> dialog = MakeOpenFileDialog(request, view_);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  // The path in the file system's own encoding, so the logic opens the very file chosen.
  return QFile::encodeName(dialog->selectedFiles().front()).toStdString();
}

void QtPlatform::LetWindowRepaint() {
  RefreshView();
  // Paints what changed; the user's input waits until the running reaction has ended.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
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
