// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/model/database_side.h"

class QToolButton;

namespace tabulon::gui {

class MainWindow;
class MergeCommands;
class PageExportButton;
class ReportLink;
class ReportsFolderButton;
class SpeciesFilterBar;

// What the main window offers beyond its designed controls: a filter above each species list,
// the recent files on the load buttons, files dropped on the window, the report viewer's link,
// the folder the reports go to, Export HTML report..., copying full-precision values, Enter on
// a focused button, and the merge commands of the comparison lists. Each part lives in its own
// file.
struct WindowAdditions {
  SpeciesFilterBar* filter1 = nullptr;
  SpeciesFilterBar* filter2 = nullptr;
  QToolButton* recent1 = nullptr;  // the arrow right of a load button that opens its recent files
  QToolButton* recent2 = nullptr;
  ReportLink* report_link = nullptr;
  MergeCommands* merge = nullptr;
  ReportsFolderButton* reports_folder = nullptr;  // in the comparison frame's title row
  PageExportButton* page_export = nullptr;        // Export HTML report..., in the same row

  SpeciesFilterBar& Filter(Db db) const { return *(db == Db::One ? filter1 : filter2); }
  QToolButton& Recent(Db db) const { return *(db == Db::One ? recent1 : recent2); }
};

// Places the new widgets (in twips, as the designed ones) and hooks the parts into the window.
WindowAdditions AddWindowAdditions(MainWindow& window);

}  // namespace tabulon::gui
