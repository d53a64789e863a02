// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "app/qt/results_table.h"
#include "app/qt/results_window.h"
#include "compare/deviation_scan.h"

class QLineEdit;
class QPushButton;

namespace tabulon::gui {

class DeviationsTableModel;

// The Differences view of two database files: for every species in both, the largest
// difference of Cp, H and S over the kelvins both records cover, with where it occurs. A
// sortable table; rows where a difference is above the tolerance the user sets are
// highlighted; a double-click shows the species (ShowSpeciesDifference). Take from DB #2 marks
// the chosen species for a merged database, Add DB #2's only species marks those, and Save
// merged database as... writes it (MergeCommands of the main window). Export HTML report
// writes the comparison page of the same two files (compare/comparison_page.h).
class DeviationsWindow : public ResultsWindow {
  Q_OBJECT

 public:
  // Scans `path1` and `path2`, the files that were loaded as DB #1 and DB #2.
  DeviationsWindow(MainWindow& main, const std::string& path1, const std::string& path2,
                   QWidget* parent = nullptr);

  void Run();

 private:
  // Export HTML report...: the comparison page of the window's two files (ExportComparisonPage).
  void ExportPage();
  void Show(DeviationRun run, std::vector<int> order, SortKey sorted_by,
            const std::string& problem);
  // Marks (or unmarks) the species of the chosen rows to be taken from DB #2.
  void TakeChosen();
  void ShowStatus();
  void Highlight();
  void Activate(int result) override;
  DeviationsTableModel& Differences() const;

  QLineEdit* tol_cp_;
  QLineEdit* tol_h_;
  QLineEdit* tol_s_;
  QPushButton* add_only_;
};

// Opens the Differences view of the two loaded databases and starts its scan; tells the user
// when they are not both loaded.
void OpenDeviationsWindow(MainWindow& main);

}  // namespace tabulon::gui
