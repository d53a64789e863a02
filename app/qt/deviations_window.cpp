// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/deviations_window.h"

#include <QBrush>
#include <QDoubleValidator>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
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
#include "compare/deviation_report.h"
#include "thermodb/thermo_file_pair.h"

namespace tabulon::gui {

namespace {

enum Column { kName, kFrom, kTo, kCp, kCpT, kH, kHT, kS, kST, kColumns };
constexpr int kNameBytesRole = Qt::UserRole + 1;
const QColor kAboveTolerance(255, 205, 205);

QLineEdit* ToleranceField(double value, const char* name, QWidget* parent) {
  auto* field = new QLineEdit(QString::number(value), parent);
  field->setObjectName(name);
  auto* validator = new QDoubleValidator(0, 1e300, 17, field);
  validator->setLocale(QLocale::c());
  field->setValidator(validator);
  field->setMaximumWidth(90);
  return field;
}

// A tolerance field's value; an empty or unreadable field highlights nothing.
double ToleranceOf(const QLineEdit* field) {
  bool ok = false;
  const double value = QLocale::c().toDouble(field->text(), &ok);
  return ok ? value : std::numeric_limits<double>::infinity();
}

QStandardItem* NumberItem(double value) {
  auto* item = new QStandardItem;
  item->setData(value, Qt::DisplayRole);
  return item;
}

}  // namespace

DeviationsWindow::DeviationsWindow(MainWindow& main, QWidget* parent)
    : QWidget(parent, Qt::Window),
      main_(main),
      path1_(main.Model().common.DB1Path),
      path2_(main.Model().common.DB2Path),
      job_(new BackgroundJob(this)) {
  setObjectName("DifferencesView");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Differences: %1 and %2").arg(Latin1(path1_), Latin1(path2_)));

  tol_cp_ = ToleranceField(0.1, "tolCp", this);
  tol_h_ = ToleranceField(0.1, "tolH", this);
  tol_s_ = ToleranceField(0.1, "tolS", this);
  auto* export_csv = new QPushButton(tr("Export CSV..."), this);
  export_csv->setObjectName("exportCsv");
  auto* controls = new QHBoxLayout;
  controls->addWidget(new QLabel(tr("Highlight above: dCp (cal/mol/K)"), this));
  controls->addWidget(tol_cp_);
  controls->addWidget(new QLabel(tr("dH (kcal/mol)"), this));
  controls->addWidget(tol_h_);
  controls->addWidget(new QLabel(tr("dS (cal/mol/K)"), this));
  controls->addWidget(tol_s_);
  controls->addStretch(1);
  controls->addWidget(export_csv);

  items_ = new QStandardItemModel(0, kColumns, this);
  items_->setHorizontalHeaderLabels({tr("Species"), tr("T from"), tr("T to"), tr("dCp max"),
                                     tr("at T"), tr("dH max"), tr("at T"), tr("dS max"),
                                     tr("at T")});
  table_ = NewResultsTable("differences", items_, this);

  status_ = new QLabel(this);
  status_->setObjectName("status");
  progress_ = new JobProgress(*job_, this);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(controls);
  layout->addWidget(table_, 1);
  layout->addWidget(progress_);
  layout->addWidget(status_);
  resize(900, 500);

  for (QLineEdit* field : {tol_cp_, tol_h_, tol_s_}) {
    connect(field, &QLineEdit::textChanged, this, &DeviationsWindow::Highlight);
  }
  connect(table_, &QTableView::doubleClicked, this, &DeviationsWindow::Activate);
  connect(job_, &BackgroundJob::finished, this, [this] {
    if (job_->Cancelled()) status_->setText(tr("Cancelled: run it again to see the results."));
  });
  connect(export_csv, &QPushButton::clicked, this, &DeviationsWindow::Export);
}

void DeviationsWindow::Run() {
  status_->setText(tr("Scanning..."));
  job_->Start([this, path1 = path1_, path2 = path2_](JobControl& control) -> std::function<void()> {
    const auto [first, second] = ReadThermoFilePair(path1, path2);
    for (const ThermoFile* file : {&first, &second}) {
      if (!file->Outcome().Succeeded()) {
        return
            [this, problem = file->Path() + ": " + file->Outcome().problem] { Show({}, problem); };
      }
    }
    DeviationRun run = ScanDeviations(
        first.Records(), second.Records(),
        [&control](std::size_t done, std::size_t total) { return control.Report(done, total); });
    return [this, run = std::move(run)] { Show(run, {}); };
  });
  progress_->Follow();
}

void DeviationsWindow::Show(const DeviationRun& run, const std::string& problem) {
  rows_ = run.rows;
  items_->removeRows(0, items_->rowCount());
  if (!problem.empty()) {
    status_->setText(tr("A database cannot be read: %1").arg(Latin1(problem)));
    return;
  }
  table_->setSortingEnabled(false);
  items_->setRowCount(int(rows_.size()));
  for (int row = 0; row < int(rows_.size()); ++row) {
    const DeviationRow& r = rows_[std::size_t(row)];
    auto* name = new QStandardItem(ShownLatin1(r.name));
    name->setData(QByteArray::fromStdString(r.name), kNameBytesRole);
    items_->setItem(row, kName, name);
    if (!r.deviation) {
      for (int column = kFrom; column < kColumns; ++column) {
        items_->setItem(row, column, new QStandardItem);
      }
      continue;
    }
    const Deviation& d = *r.deviation;
    items_->setItem(row, kFrom, NumberItem(d.t_from));
    items_->setItem(row, kTo, NumberItem(d.t_to));
    items_->setItem(row, kCp, NumberItem(d.cp.max));
    items_->setItem(row, kCpT, NumberItem(d.cp.t));
    items_->setItem(row, kH, NumberItem(d.h.max));
    items_->setItem(row, kHT, NumberItem(d.h.t));
    items_->setItem(row, kS, NumberItem(d.s.max));
    items_->setItem(row, kST, NumberItem(d.s.t));
  }
  table_->setSortingEnabled(true);
  table_->sortByColumn(kCp, Qt::DescendingOrder);
  table_->resizeColumnsToContents();
  Highlight();
}

void DeviationsWindow::Highlight() {
  const double tolerances[] = {ToleranceOf(tol_cp_), ToleranceOf(tol_h_), ToleranceOf(tol_s_)};
  int above = 0;
  for (int row = 0; row < items_->rowCount(); ++row) {
    bool high = false;
    const int columns[] = {kCp, kH, kS};
    for (int k = 0; k < 3; ++k) {
      const QVariant value = items_->item(row, columns[k])->data(Qt::DisplayRole);
      high = high || (value.isValid() && value.toDouble() > tolerances[k]);
    }
    above += high;
    for (int column = 0; column < kColumns; ++column) {
      items_->item(row, column)->setBackground(high ? QBrush(kAboveTolerance) : QBrush());
    }
  }
  status_->setText(tr("%1 species in both databases, %2 above the tolerances")
                       .arg(items_->rowCount())
                       .arg(above));
}

void DeviationsWindow::Activate(const QModelIndex& index) {
  const QModelIndex name = index.siblingAtColumn(kName);
  ShowSpeciesDifference(main_, items_->data(name, kNameBytesRole).toByteArray().toStdString());
}

void DeviationsWindow::Export() {
  ExportCsv(this, "differences.csv", {path1_, path2_},
            [this](std::ostream& out) { WriteDeviationsCsv(out, rows_); });
}

void OpenDeviationsWindow(MainWindow& main) {
  const CommonValue& common = main.Model().common;
  if (!common.DB1Loaded || !common.DB2Loaded) {
    QMessageBox::information(&main, QObject::tr("Differences"),
                             QObject::tr("Load both databases first."));
    return;
  }
  auto* window = new DeviationsWindow(main, &main);
  window->show();
  window->Run();
}

}  // namespace tabulon::gui
