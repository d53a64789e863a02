// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>

#include "app/model/database_side.h"

namespace tabulon::gui {

class MainWindow;

// The recent database files, offered on a load button: on a right click (or the context-menu
// key) on the button, and on the small arrow beside it. An entry loads its file as the button
// would with that file chosen; a file that no longer exists is shown greyed. The list is read
// from the settings each time the menu opens, so both buttons and a restart see the same list.
class RecentFilesMenu : public QMenu {
  Q_OBJECT

 public:
  RecentFilesMenu(MainWindow& window, Db db, QWidget* parent);

 private:
  void Fill();

  MainWindow& window_;
  Db db_;
};

}  // namespace tabulon::gui
