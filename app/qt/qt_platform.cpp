#include "app/qt/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QUrl>

#include "app/qt/latin1.h"
#include "app/qt/open_file_dialog.h"
#include "app/qt/thermometer.h"

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
  // A plain placeholder until the About window proper takes its place.
  QDialog about(view_);
  about.setWindowTitle(QStringLiteral("About Tabulon"));
  about.setWindowIcon(ThermometerIcon());
  about.exec();
}

void QtPlatform::EndProgram() {
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

}  // namespace tabulon::gui
