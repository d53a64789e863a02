// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include <QObject>

class QAction;
class QWidget;

namespace tabulon::gui {

class MainWindow;

// The merged database in the main window: Take from DB #2 on the common species list (LOS3),
// Add DB #2's only species on the list of DB #2's only species (LOS5), and Save merged database
// as... on both (their context menus). The marks show in those lists: a marked species in DB
// #2's colour and in italics, with a tooltip saying what happens to it. The marks themselves
// are the model's (MergeMarks); the Differences window marks through the same object.
class MergeCommands : public QObject {
  Q_OBJECT

 public:
  explicit MergeCommands(MainWindow& window);

  // Shows the marks in the lists as they are now (after a change made elsewhere).
  void ShowMarks();
  // Asks for a new file and writes the merged database there; a message says how it ended.
  void SaveMergedAs(QWidget* parent);

  QAction& TakeAction() const { return *take_; }
  QAction& AddOnlyAction() const { return *add_only_; }

 private:
  MainWindow& window_;
  QAction* take_;
  QAction* add_only_;
  // What the lists show now: the marks' revision and the lists' sizes they were painted for.
  std::optional<std::uint64_t> shown_revision_;
  int shown_common_ = -1, shown_only2_ = -1;
};

}  // namespace tabulon::gui
