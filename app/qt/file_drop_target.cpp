// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/file_drop_target.h"

#include <optional>

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "app/qt/database_file_loader.h"
#include "app/qt/frame_box.h"
#include "app/qt/main_window.h"

namespace tabulon::gui {

namespace {

// The database whose frame lies under `at` (window coordinates).
std::optional<Db> FrameAt(const MainWindow& window, QPoint at) {
  for (const Db db : {Db::One, Db::Two}) {
    const QWidget& frame =
        window.FrameOf(db == Db::One ? window.Model().Frm1 : window.Model().Frm2);
    if (frame.geometry().contains(at)) return db;
  }
  return std::nullopt;
}

}  // namespace

FileDropTarget::FileDropTarget(MainWindow& window) : QObject(&window), window_(window) {
  window.setAcceptDrops(true);
  window.installEventFilter(this);
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (widget->acceptDrops()) widget->installEventFilter(this);
  }
}

QStringList FileDropTarget::DroppedFiles(const QMimeData* data) {
  QStringList files;
  if (data == nullptr || !data->hasUrls()) return files;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) return {};
    files.append(url.toLocalFile());
  }
  return files;
}

bool FileDropTarget::Takes(const QStringList& files, QPoint at) const {
  return files.size() == 2 || (files.size() == 1 && FrameAt(window_, at).has_value());
}

void FileDropTarget::Load(const QStringList& files, QPoint at) {
  if (files.size() == 2) {
    LoadDatabaseFiles(window_, files);
  } else if (const std::optional<Db> db = FrameAt(window_, at); db && files.size() == 1) {
    LoadDatabaseFile(window_, *db, files.front());
  }
}

bool FileDropTarget::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
    return QObject::eventFilter(watched, event);
  }
  auto* drop = static_cast<QDropEvent*>(event);
  const QStringList files = DroppedFiles(drop->mimeData());
  if (files.isEmpty() && drop->mimeData() != nullptr && !drop->mimeData()->hasUrls()) {
    return QObject::eventFilter(watched, event);  // text for a text box
  }
  const QPoint at = static_cast<QWidget*>(watched)->mapTo(&window_, drop->position().toPoint());
  if (!Takes(files, at)) {
    drop->ignore();
    return true;
  }
  drop->acceptProposedAction();
  // The load runs once the desktop has finished the drop, so a message it shows does not hold
  // the dragging program waiting.
  if (type == QEvent::Drop) {
    QMetaObject::invokeMethod(
        this, [this, files, at] { Load(files, at); }, Qt::QueuedConnection);
  }
  return true;
}

}  // namespace tabulon::gui
