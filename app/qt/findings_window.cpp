// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/findings_window.h"

#include <QComboBox>
#include <QDoubleValidator>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "app/qt/background_job.h"
#include "app/qt/csv_export.h"
#include "app/qt/job_progress.h"
#include "app/qt/latin1.h"
#include "app/qt/main_window.h"
#include "app/qt/results_table.h"
#include "app/qt/species_selection.h"
#include "compare/check_report.h"
#include "thermodb/thermo_file.h"

namespace tabulon::gui {

namespace {

enum Column { kLine, kName, kCode, kDetail };
constexpr int kNameBytesRole = Qt::UserRole + 1;

QLineEdit* ToleranceField(double value, const char* name, QWidget* parent) {
  auto* field = new QLineEdit(QString::number(value), parent);
  field->setObjectName(name);
  auto* validator = new QDoubleValidator(0, 1e300, 17, field);
  validator->setLocale(QLocale::c());
  field->setValidator(validator);
  field->setMaximumWidth(90);
  return field;
}

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

FindingsWindow::FindingsWindow(MainWindow& main, Db db, QWidget* parent)
    : QWidget(parent, Qt::Window),
      main_(main),
      db_(db),
      path_(PathOf(main, db)),
      job_(new BackgroundJob(this)) {
  setObjectName(db == Db::One ? "FindingsDB1" : "FindingsDB2");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Check of DB #%1: %2").arg(db == Db::One ? 1 : 2).arg(Latin1(path_)));

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
  auto* export_csv = new QPushButton(tr("Export CSV..."), this);
  export_csv->setObjectName("exportCsv");

  auto* controls = new QHBoxLayout;
  controls->addWidget(new QLabel(tr("Jump tolerances: Cp"), this));
  controls->addWidget(tol_cp_);
  controls->addWidget(new QLabel(tr("H"), this));
  controls->addWidget(tol_h_);
  controls->addWidget(new QLabel(tr("S"), this));
  controls->addWidget(tol_s_);
  controls->addWidget(run);
  controls->addStretch(1);
  controls->addWidget(new QLabel(tr("Show"), this));
  controls->addWidget(code_filter_);
  controls->addWidget(export_csv);

  items_ = new QStandardItemModel(0, 4, this);
  items_->setHorizontalHeaderLabels({tr("Line"), tr("Name"), tr("Code"), tr("Detail")});
  shown_ = new QSortFilterProxyModel(this);
  shown_->setSourceModel(items_);
  shown_->setFilterKeyColumn(kCode);
  table_ = NewResultsTable("findings", shown_, this);
  table_->sortByColumn(kLine, Qt::AscendingOrder);
  table_->horizontalHeader()->setStretchLastSection(true);

  status_ = new QLabel(this);
  status_->setObjectName("status");
  progress_ = new JobProgress(*job_, this);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(controls);
  layout->addWidget(table_, 1);
  layout->addWidget(progress_);
  layout->addWidget(status_);
  resize(900, 500);

  connect(run, &QPushButton::clicked, this, &FindingsWindow::Run);
  connect(code_filter_, &QComboBox::currentIndexChanged, this, &FindingsWindow::ApplyFilter);
  connect(table_, &QTableView::doubleClicked, this, &FindingsWindow::Activate);
  connect(job_, &BackgroundJob::finished, this, [this] {
    if (job_->Cancelled()) status_->setText(tr("Cancelled: run it again to see the results."));
  });
  connect(export_csv, &QPushButton::clicked, this, &FindingsWindow::Export);
}

void FindingsWindow::Run() {
  const CheckTolerances defaults;
  const CheckTolerances tolerances{ToleranceOf(tol_cp_, defaults.cp),
                                   ToleranceOf(tol_h_, defaults.h),
                                   ToleranceOf(tol_s_, defaults.s)};
  status_->setText(tr("Checking..."));
  job_->Start([this, path = path_, tolerances](JobControl& control) -> std::function<void()> {
    const ThermoFile file = ThermoFile::Read(path);
    if (!file.Outcome().Succeeded()) {
      return [this, problem = file.Outcome().problem] { Show({}, 0, problem); };
    }
    CheckRun run = CheckRecords(
        file.Records(), tolerances,
        [&control](std::size_t done, std::size_t total) { return control.Report(done, total); });
    const std::size_t records = file.Records().size();
    return [this, run = std::move(run), records] { Show(run, records, {}); };
  });
  progress_->Follow();
}

void FindingsWindow::Show(const CheckRun& run, std::size_t records, const std::string& problem) {
  findings_ = run.findings;
  items_->removeRows(0, items_->rowCount());
  if (!problem.empty()) {
    status_->setText(tr("The database cannot be read: %1").arg(Latin1(problem)));
    return;
  }
  table_->setSortingEnabled(false);
  items_->setRowCount(int(findings_.size()));
  for (int row = 0; row < int(findings_.size()); ++row) {
    const CheckFinding& f = findings_[std::size_t(row)];
    auto* line = new QStandardItem;
    line->setData(f.line, Qt::DisplayRole);
    auto* name = new QStandardItem(ShownLatin1(f.name));
    name->setData(QByteArray::fromStdString(f.name), kNameBytesRole);
    items_->setItem(row, kLine, line);
    items_->setItem(row, kName, name);
    items_->setItem(row, kCode, new QStandardItem(Latin1(CodeName(f.code))));
    items_->setItem(row, kDetail, new QStandardItem(ShownLatin1(f.detail)));
  }
  table_->setSortingEnabled(true);
  table_->resizeColumnsToContents();
  status_->setText(tr("%1 findings in %2 records").arg(findings_.size()).arg(records));
}

void FindingsWindow::ApplyFilter() {
  const int k = code_filter_->currentIndex() - 1;
  if (k < 0) {
    shown_->setFilterRegularExpression(QString());
  } else {
    const QString code = Latin1(CodeName(static_cast<CheckCode>(k)));
    shown_->setFilterRegularExpression("^" + QRegularExpression::escape(code) + "$");
  }
}

void FindingsWindow::Activate(const QModelIndex& index) {
  const QModelIndex name = shown_->mapToSource(index).siblingAtColumn(kName);
  SelectSpecies(main_, db_, items_->data(name, kNameBytesRole).toByteArray().toStdString());
}

void FindingsWindow::Export() {
  const int k = code_filter_->currentIndex() - 1;
  std::vector<CheckFinding> chosen;
  for (const CheckFinding& f : findings_) {
    if (k < 0 || f.code == static_cast<CheckCode>(k)) chosen.push_back(f);
  }
  const CommonValue& common = main_.Model().common;
  ExportCsv(this, "findings.csv", {common.DB1Path, common.DB2Path},
            [&chosen](std::ostream& out) { WriteFindingsCsv(out, chosen); });
}

void OpenFindingsWindow(MainWindow& main, Db db) {
  if (PathOf(main, db).empty()) {
    QMessageBox::information(&main, QObject::tr("Check"),
                             QObject::tr("Load database #%1 first.").arg(db == Db::One ? 1 : 2));
    return;
  }
  auto* window = new FindingsWindow(main, db, &main);
  window->show();
  window->Run();
}

}  // namespace tabulon::gui
