#include "app/qt/qt_platform.h"

#include <string_view>

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QStringList>
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
  const std::unique_ptr<QFileDialog> dialog = MakeOpenFileDialog(request, view_);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  // The path in the file system's own encoding, so the logic opens the very file chosen.
  return QFile::encodeName(dialog->selectedFiles().front()).toStdString();
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
