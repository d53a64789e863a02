// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "app/model/database_side.h"
#include "app/qt/results_table.h"
#include "app/qt/results_window.h"
#include "compare/database_check.h"

class QComboBox;
class QLineEdit;

namespace tabulon::gui {

class FindingsTableModel;

// The findings of the database check of one database file, in a window of its own beside the
// main window: a table (sortable, filtered by code), the tolerances of the jump rules (edited,
// then Check again), and an export to CSV. A double-click on a finding selects its species in
// the database's list.
class FindingsWindow : public ResultsWindow {
  Q_OBJECT

 public:
  // Checks the file, as loaded on its side of the main window.
  FindingsWindow(MainWindow& main, SourceFile file, QWidget* parent = nullptr);

  // Checks the database again with the tolerances in the fields.
  void Run();
  // Opens the repair preview of the chosen findings' records (every jump when none is chosen)
  // at the tolerances in the fields.
  void Repair();

 private:
  CheckTolerances Tolerances() const;
  void Show(CheckRun run, std::vector<int> order, SortKey sorted_by, std::size_t records,
            const std::string& problem);
  // The code filter offers the codes of these findings, each with its count, and keeps the
  // code it had when that is still among them.
  void FillCodeFilter();
  // The code chosen in the filter; none for all codes.
  std::optional<CheckCode> ChosenCode() const;
  // Shows the findings of the chosen code, and says in the status line how many.
  void ApplyFilter();
  void Activate(int result) override;
  FindingsTableModel& Findings() const;

  QLineEdit* tol_cp_;
  QLineEdit* tol_h_;
  QLineEdit* tol_s_;
  QComboBox* code_filter_;
  std::size_t records_ = 0;  // the records checked
};

// Opens a findings window for the database loaded on side `db` and starts its check; tells
// the user when no database is loaded there.
void OpenFindingsWindow(MainWindow& main, Db db);

}  // namespace tabulon::gui
