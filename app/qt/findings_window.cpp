// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/findings_window.h"

#include <array>
#include <optional>

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>

#include "app/qt/findings_table_model.h"
#include "app/qt/latin1.h"
#include "app/qt/main_window.h"
#include "app/qt/repair_window.h"
#include "app/qt/tool_tip.h"
#include "compare/check_report.h"
#include "thermodb/thermo_file.h"

namespace tabulon::gui {

namespace {

double ToleranceOf(const QLineEdit* field, double fallback) {
  bool ok = false;
  const double value = QLocale::c().toDouble(field->text(), &ok);
  return ok && value >= 0 ? value : fallback;
}

const std::string& PathOf(MainWindow& main, Db db) {
  const CommonValue& common = main.Model().common;
  return db == Db::One ? common.DB1Path : common.DB2Path;
}

}  // namespace

FindingsWindow::FindingsWindow(MainWindow& main, SourceFile file, QWidget* parent)
    : ResultsWindow(main, "findings", tr("Check"), {file}, new FindingsTableModel, parent) {
  setObjectName(file.db == Db::One ? "FindingsDB1" : "FindingsDB2");

  const CheckTolerances defaults;
  tol_cp_ = ToleranceField(defaults.cp, "tolCp", this);
  tol_h_ = ToleranceField(defaults.h, "tolH", this);
  tol_s_ = ToleranceField(defaults.s, "tolS", this);
  auto* run = new QPushButton(tr("Check again"), this);
  run->setObjectName("run");
  run->setShortcut(QKeySequence::Refresh);
  SetToolTip(*run, tr("Checks the database file again with these tolerances"));
  auto* repair = new QPushButton(tr("Repair..."), this);
  repair->setObjectName("repair");
  SetToolTip(*repair,
             tr("Previews the repair of the jumps of the chosen findings (or of all), then saves "
                "the repaired database as a new file"));
  code_filter_ = new QComboBox(this);
  code_filter_->setObjectName("codeFilter");
  code_filter_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  code_filter_->addItem(tr("All codes"));

  QHBoxLayout& controls = Controls();
  controls.addWidget(new QLabel(tr("Jump tolerances: Cp"), this));
  controls.addWidget(tol_cp_);
  controls.addWidget(new QLabel(tr("H"), this));
  controls.addWidget(tol_h_);
  controls.addWidget(new QLabel(tr("S"), this));
  controls.addWidget(tol_s_);
  controls.addWidget(run);
  controls.addWidget(repair);
  controls.addStretch(1);
  controls.addWidget(new QLabel(tr("Show"), this));
  controls.addWidget(code_filter_);
  AddExport("findings.csv", [this](std::ostream& out) {
    const std::optional<CheckCode> code = ChosenCode();
    std::vector<CheckFinding> chosen;
    for (const CheckFinding& f : Findings().Findings()) {
      if (!code || f.code == *code) chosen.push_back(f);
    }
    WriteFindingsCsv(out, chosen);
  });

  Table().sortByColumn(FindingsTableModel::kLine, Qt::AscendingOrder);
  Table().horizontalHeader()->setStretchLastSection(true);

  connect(run, &QPushButton::clicked, this, &FindingsWindow::Run);
  connect(repair, &QPushButton::clicked, this, &FindingsWindow::Repair);
  connect(code_filter_, &QComboBox::currentIndexChanged, this, &FindingsWindow::ApplyFilter);
}

FindingsTableModel& FindingsWindow::Findings() const {
  return static_cast<FindingsTableModel&>(Rows());
}

CheckTolerances FindingsWindow::Tolerances() const {
  const CheckTolerances defaults;
  return {ToleranceOf(tol_cp_, defaults.cp), ToleranceOf(tol_h_, defaults.h),
          ToleranceOf(tol_s_, defaults.s)};
}

void FindingsWindow::Repair() {
  RepairOptions options{.tolerances = Tolerances()};
  for (const QModelIndex& row : Table().selectionModel()->selectedRows()) {
    const CheckFinding& finding =
        Findings().Findings()[static_cast<std::size_t>(Shown().ResultAt(row))];
    const bool jump = finding.code == CheckCode::CpJump || finding.code == CheckCode::HJump ||
                      finding.code == CheckCode::SJump;
    if (jump) options.lines.push_back(finding.line);
  }
  OpenRepairWindow(Main(), Files()[0], std::move(options));
}

void FindingsWindow::Run() {
  const CheckTolerances tolerances = Tolerances();
  const SortKey sorting = Findings().Sorting();
  Start(tr("Checking..."),
        [this, path = Files()[0].path, tolerances,
         sorting](JobControl& control) -> std::function<void()> {
          const ThermoFile file = ThermoFile::Read(path);
          if (!file.Outcome().Succeeded()) {
            return [this, problem = file.Outcome().problem] { Show({}, {}, {}, 0, problem); };
          }
          CheckRun run = CheckRecords(file.Records(), tolerances,
                                      [&control](std::size_t done, std::size_t total) {
                                        return control.Report(done, total);
                                      });
          // Sorted here, so the window's thread only swaps the rows in.
          std::vector<int> order = FindingsTableModel::Order(run.findings, sorting);
          const std::size_t records = file.Records().size();
          return
              [this, run = std::move(run), order = std::move(order), sorting, records]() mutable {
                Show(std::move(run), std::move(order), sorting, records, {});
              };
        });
}

void FindingsWindow::Show(CheckRun run, std::vector<int> order, SortKey sorted_by,
                          std::size_t records, const std::string& problem) {
  Findings().SetFindings(std::move(run.findings), std::move(order), sorted_by);
  records_ = records;
  FillCodeFilter();
  if (!problem.empty()) {
    SetStatus(tr("The database cannot be read: %1").arg(Latin1(problem)));
    return;
  }
  for (int column :
       {FindingsTableModel::kLine, FindingsTableModel::kName, FindingsTableModel::kCode}) {
    Table().resizeColumnToContents(column);
  }
  ApplyFilter();
}

void FindingsWindow::FillCodeFilter() {
  std::array<int, kCheckCodeCount> counts{};
  for (const CheckFinding& f : Findings().Findings()) ++counts[static_cast<std::size_t>(f.code)];
  const std::optional<CheckCode> chosen = ChosenCode();
  const QSignalBlocker quiet(code_filter_);
  code_filter_->clear();
  code_filter_->addItem(tr("All codes (%1)").arg(Findings().Findings().size()));
  for (int k = 0; k < kCheckCodeCount; ++k) {
    if (counts[static_cast<std::size_t>(k)] == 0) continue;
    code_filter_->addItem(QStringLiteral("%1 (%2)")
                              .arg(Latin1(CodeName(static_cast<CheckCode>(k))))
                              .arg(counts[static_cast<std::size_t>(k)]),
                          k);
    if (chosen && static_cast<int>(*chosen) == k) {
      code_filter_->setCurrentIndex(code_filter_->count() - 1);
    }
  }
}

std::optional<CheckCode> FindingsWindow::ChosenCode() const {
  const QVariant code = code_filter_->currentData();
  if (!code.isValid()) return std::nullopt;
  return static_cast<CheckCode>(code.toInt());
}

void FindingsWindow::ApplyFilter() {
  const std::optional<CheckCode> code = ChosenCode();
  const std::size_t all = Findings().Findings().size();
  if (!code) {
    Shown().SetRowFilter({});
    SetStatus(tr("%1 findings in %2 records").arg(all).arg(records_));
    return;
  }
  const FindingsTableModel* findings = &Findings();
  Shown().SetRowFilter([findings, code](int result) {
    return findings->Findings()[static_cast<std::size_t>(result)].code == *code;
  });
  SetStatus(tr("%1 of %2 findings shown (%3), in %4 records")
                .arg(Shown().rowCount())
                .arg(all)
                .arg(Latin1(CodeName(*code)))
                .arg(records_));
}

void FindingsWindow::Activate(int result) {
  SelectInMainWindow(Files()[0], Findings().Findings()[static_cast<std::size_t>(result)].name);
}

void OpenFindingsWindow(MainWindow& main, Db db) {
  if (PathOf(main, db).empty()) {
    QMessageBox::information(&main, QObject::tr("Check"),
                             QObject::tr("Load database #%1 first.").arg(db == Db::One ? 1 : 2));
    return;
  }
  auto* window = new FindingsWindow(main, {db, PathOf(main, db)}, &main);
  window->show();
  window->Run();
}

}  // namespace tabulon::gui
