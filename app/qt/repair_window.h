// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "app/qt/results_window.h"
#include "compare/record_repair.h"
#include "thermodb/database_save.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tabulon {
class ThermoFile;
}

namespace tabulon::gui {

class RepairTableModel;

// The preview of a repair of one database's jumps (the findings chosen in its check, or all):
// one row per record considered with its action, the largest changes of Cp, H and S and the
// jump measures after it. The largest change of Cp a refit may make and the refit of both sets
// are set here (then Repair again); a double-click plots the record before (dashed) and after;
// Save repaired database as... writes the new file from the very bytes the rows were made from.
class RepairWindow : public ResultsWindow {
  Q_OBJECT

 public:
  RepairWindow(MainWindow& main, SourceFile file, RepairOptions options, QWidget* parent = nullptr);

  // Plans the repairs again with the options in the fields.
  void Run();
  // Writes the repaired database to `target`, never over a loaded database or the source.
  SaveOutcome SaveTo(const std::string& target, bool replace_existing) const;
  // The files a repaired database is never written over.
  std::vector<std::string> FilesInUse() const;

 private:
  void Show(std::shared_ptr<const ThermoFile> file, RepairPlan plan);
  void Save();
  void Activate(int result) override;
  RepairTableModel& Repairs() const;

  RepairOptions options_;
  QLineEdit* max_dcp_;
  QCheckBox* refit_both_;
  QPushButton* save_;
  std::shared_ptr<const ThermoFile> file_;  // the bytes the rows were made from
};

// Opens the repair preview of the database `file` and starts it.
void OpenRepairWindow(MainWindow& main, SourceFile file, RepairOptions options);

// A window of the four charts of one repaired record: before the repair dashed, after solid.
QWidget* OpenRepairPlot(QWidget* owner, const RecordRepair& repair);

}  // namespace tabulon::gui
