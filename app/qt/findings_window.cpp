// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/findings_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>

#include "app/qt/findings_table_model.h"
#include "app/qt/latin1.h"
#include "app/qt/main_window.h"
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
  code_filter_ = new QComboBox(this);
  code_filter_->setObjectName("codeFilter");
  code_filter_->addItem(tr("All codes"));
  for (int k = 0; k < kCheckCodeCount; ++k) {
    code_filter_->addItem(Latin1(CodeName(static_cast<CheckCode>(k))));
  }

  QHBoxLayout& controls = Controls();
  controls.addWidget(new QLabel(tr("Jump tolerances: Cp"), this));
  controls.addWidget(tol_cp_);
  controls.addWidget(new QLabel(tr("H"), this));
  controls.addWidget(tol_h_);
  controls.addWidget(new QLabel(tr("S"), this));
  controls.addWidget(tol_s_);
  controls.addWidget(run);
  controls.addStretch(1);
  controls.addWidget(new QLabel(tr("Show"), this));
  controls.addWidget(code_filter_);
  AddExport("findings.csv", [this](std::ostream& out) {
    const int k = code_filter_->currentIndex() - 1;
    std::vector<CheckFinding> chosen;
    for (const CheckFinding& f : Findings().Findings()) {
      if (k < 0 || f.code == static_cast<CheckCode>(k)) chosen.push_back(f);
    }
    WriteFindingsCsv(out, chosen);
  });

  Table().sortByColumn(FindingsTableModel::kLine, Qt::AscendingOrder);
  Table().horizontalHeader()->setStretchLastSection(true);

  connect(run, &QPushButton::clicked, this, &FindingsWindow::Run);
  connect(code_filter_, &QComboBox::currentIndexChanged, this, &FindingsWindow::ApplyFilter);
}

FindingsTableModel& FindingsWindow::Findings() const {
  return static_cast<FindingsTableModel&>(Rows());
}

void FindingsWindow::Run() {
  const CheckTolerances defaults;
  const CheckTolerances tolerances{ToleranceOf(tol_cp_, defaults.cp),
                                   ToleranceOf(tol_h_, defaults.h),
                                   ToleranceOf(tol_s_, defaults.s)};
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
  const std::size_t count = run.findings.size();
  Findings().SetFindings(std::move(run.findings), std::move(order), sorted_by);
  if (!problem.empty()) {
    SetStatus(tr("The database cannot be read: %1").arg(Latin1(problem)));
    return;
  }
  for (int column :
       {FindingsTableModel::kLine, FindingsTableModel::kName, FindingsTableModel::kCode}) {
    Table().resizeColumnToContents(column);
  }
  SetStatus(tr("%1 findings in %2 records").arg(count).arg(records));
}

void FindingsWindow::ApplyFilter() {
  const int k = code_filter_->currentIndex() - 1;
  if (k < 0) {
    Shown().SetRowFilter({});
    return;
  }
  const auto code = static_cast<CheckCode>(k);
  const FindingsTableModel* findings = &Findings();
  Shown().SetRowFilter([findings, code](int result) {
    return findings->Findings()[static_cast<std::size_t>(result)].code == code;
  });
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
