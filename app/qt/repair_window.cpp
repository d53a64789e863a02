// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/repair_window.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "app/qt/latin1.h"
#include "app/qt/main_window.h"
#include "app/qt/plot/database_species.h"
#include "app/qt/plot/plot_charts.h"
#include "app/qt/repair_table_model.h"
#include "app/qt/save_database_dialog.h"
#include "compare/repair_report.h"
#include "thermodb/thermo_file.h"

namespace tabulon::gui {

RepairWindow::RepairWindow(MainWindow& main, SourceFile file, RepairOptions options,
                           QWidget* parent)
    : ResultsWindow(main, "repairs", tr("Repair"), {std::move(file)}, new RepairTableModel, parent),
      options_(std::move(options)) {
  setObjectName("RepairPreview");

  max_dcp_ = ToleranceField(options_.max_dcp, "maxDcp", this);
  max_dcp_->setToolTip(tr("A refit that changes Cp by more than this is refused"));
  refit_both_ = new QCheckBox(tr("Refit both sets"), this);
  refit_both_->setObjectName("refitBoth");
  refit_both_->setChecked(options_.refit_both);
  refit_both_->setToolTip(
      tr("Refit the a1..a5 of both sets together, keeping H and S at max(298.15 K, T low)"));
  auto* run = new QPushButton(tr("Repair again"), this);
  run->setObjectName("run");
  run->setToolTip(tr("Plan the repairs again with these settings"));
  save_ = new QPushButton(tr("Save repaired database as..."), this);
  save_->setObjectName("saveRepaired");
  save_->setToolTip(tr("Write a new database with the repaired records (never over a loaded one)"));
  save_->setEnabled(false);

  QHBoxLayout& controls = Controls();
  controls.addWidget(new QLabel(tr("Largest dCp of a refit (cal/mol/K)"), this));
  controls.addWidget(max_dcp_);
  controls.addWidget(refit_both_);
  controls.addWidget(run);
  controls.addStretch(1);
  controls.addWidget(save_);
  AddExport("repairs.csv",
            [this](std::ostream& out) { WriteRepairsCsv(out, Repairs().Repairs()); });
  Table().sortByColumn(RepairTableModel::kLine, Qt::AscendingOrder);
  Table().horizontalHeader()->setStretchLastSection(true);

  connect(run, &QPushButton::clicked, this, &RepairWindow::Run);
  connect(save_, &QPushButton::clicked, this, &RepairWindow::Save);
}

RepairTableModel& RepairWindow::Repairs() const {
  return static_cast<RepairTableModel&>(Rows());
}

void RepairWindow::Run() {
  bool ok = false;
  const double max_dcp = QLocale::c().toDouble(max_dcp_->text(), &ok);
  if (ok && max_dcp >= 0) options_.max_dcp = max_dcp;
  options_.refit_both = refit_both_->isChecked();
  save_->setEnabled(false);
  Start(tr("Repairing..."),
        [this, path = Files()[0].path, options = options_](JobControl&) -> std::function<void()> {
          auto file = std::make_shared<const ThermoFile>(ThermoFile::Read(path));
          RepairPlan plan;
          if (file->Outcome().Succeeded()) plan = PlanRepairs(file->Records(), options);
          return [this, file = std::move(file), plan = std::move(plan)]() mutable {
            Show(std::move(file), std::move(plan));
          };
        });
}

void RepairWindow::Show(std::shared_ptr<const ThermoFile> file, RepairPlan plan) {
  file_ = std::move(file);
  Repairs().SetRepairs(std::move(plan.repairs));
  if (!file_->Outcome().Succeeded()) {
    SetStatus(tr("The database cannot be read: %1").arg(Latin1(file_->Outcome().problem)));
    return;
  }
  int counts[4] = {};
  for (const RecordRepair& r : Repairs().Repairs()) ++counts[static_cast<int>(r.action)];
  Table().resizeColumnsToContents();
  save_->setEnabled(counts[0] + counts[1] > 0);
  SetStatus(tr("%1 records of %6 considered: %2 shifted, %3 refitted, %4 refused, %5 skipped")
                .arg(Repairs().rowCount())
                .arg(counts[0])
                .arg(counts[1])
                .arg(counts[2])
                .arg(counts[3])
                .arg(QFileInfo(Latin1(Files()[0].path)).fileName()));
}

std::vector<std::string> RepairWindow::FilesInUse() const {
  const CommonValue& common = Main().Model().common;
  return {Files()[0].path, common.DB1Path, common.DB2Path};
}

SaveOutcome RepairWindow::SaveTo(const std::string& target, bool replace_existing) const {
  if (!file_) return {false, TargetRefusal::None, "the repairs are not ready"};
  DatabaseEdit edit(*file_);
  AddRepairs(Repairs().Repairs(), file_->Records(), edit);
  return SaveDatabase(edit.Build(), target, {replace_existing, FilesInUse()});
}

void RepairWindow::Save() {
  const QFileInfo source(Latin1(Files()[0].path));
  const QString suggested =
      source.dir().filePath(source.completeBaseName() + "-repaired." + source.suffix());
  const QString title = tr("Save repaired database");
  const std::optional<std::string> target =
      AskNewDatabasePath(this, title, suggested, FilesInUse());
  if (!target) return;
  ShowSaveOutcome(this, title, *target, SaveTo(*target, true),
                  tr("The repaired database is saved."));
}

void RepairWindow::Activate(int result) {
  const RecordRepair& repair = Repairs().Repairs()[static_cast<std::size_t>(result)];
  if (repair.action != RepairAction::Skipped) OpenRepairPlot(&Main(), repair);
}

void OpenRepairWindow(MainWindow& main, SourceFile file, RepairOptions options) {
  auto* window = new RepairWindow(main, std::move(file), std::move(options), &main);
  window->show();
  window->Run();
}

QWidget* OpenRepairPlot(QWidget* owner, const RecordRepair& repair) {
  auto* window = new QWidget(owner, Qt::Window);
  window->setObjectName("RepairPlot");
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(QObject::tr("Repair of %1 (line %2): before dashed, after solid")
                             .arg(ShownLatin1(repair.name))
                             .arg(repair.line));
  auto* charts = new PlotCharts(window);
  auto* layout = new QHBoxLayout(window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(charts);
  charts->SetSpeciesName(ShownLatin1(repair.name));
  // The old curve is drawn last, dashed, so the new one shows between its dashes.
  charts->ShowRecords({{"after", QObject::tr("after the repair"), SideColour(1), repair.after},
                       {"before", QObject::tr("before the repair"), SideColour(2), repair.before,
                        std::nullopt, Qt::DashLine}},
                      kWindowUnits);
  window->resize(1100, 800);
  window->show();
  return window;
}

}  // namespace tabulon::gui
