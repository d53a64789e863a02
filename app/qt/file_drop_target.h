// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class QMimeData;
class QPoint;

namespace tabulon::gui {

class MainWindow;

// Files dropped on the main window: one file dropped on the frame of DB #1 or DB #2 loads that
// database; two files dropped anywhere load DB #1 and DB #2, in the order the desktop gives
// them. Anything else is refused while it is dragged. A drop loads as the load button does with
// that file chosen. Text dragged onto a text box is left to the box.
class FileDropTarget : public QObject {
 public:
  // Watches the window and every widget in it that takes drops of its own.
  explicit FileDropTarget(MainWindow& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The local files of a drag; empty when it holds anything else as well.
  static QStringList DroppedFiles(const QMimeData* data);
  // True when dropping these files at `at` (window coordinates) would load something.
  bool Takes(const QStringList& files, QPoint at) const;
  void Load(const QStringList& files, QPoint at);

  MainWindow& window_;
};

}  // namespace tabulon::gui
