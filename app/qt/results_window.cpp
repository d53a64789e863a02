// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/results_window.h"

#include <QDoubleValidator>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/qt/csv_export.h"
#include "app/qt/job_progress.h"
#include "app/qt/main_window.h"
#include "app/qt/results_table.h"

namespace tabulon::gui {

ResultsWindow::ResultsWindow(MainWindow& main, const char* name, std::vector<std::string> files,
                             ResultsTableModel* rows, QWidget* parent)
    : QWidget(parent, Qt::Window),
      main_(main),
      files_(std::move(files)),
      job_(new BackgroundJob(this)),
      controls_(new QHBoxLayout),
      rows_(rows),
      shown_(new ResultsProxyModel(*rows, this)),
      table_(NewResultsTable(name, shown_, this)),
      progress_(new JobProgress(*job_, this)),
      status_(new QLabel(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  rows_->setParent(this);
  status_->setObjectName("status");
  status_->setTextFormat(Qt::PlainText);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(controls_);
  layout->addWidget(table_, 1);
  layout->addWidget(progress_);
  layout->addWidget(status_);
  resize(900, 500);

  connect(table_, &QTableView::doubleClicked, this,
          [this](const QModelIndex& index) { Activate(shown_->ResultAt(index)); });
  connect(job_, &BackgroundJob::finished, this, [this] {
    if (job_->Cancelled()) SetStatus(tr("Cancelled: run it again to see the results."));
  });
}

QString ResultsWindow::StatusText() const {
  return status_->text();
}

void ResultsWindow::SetStatus(const QString& text) {
  status_->setText(text);
}

void ResultsWindow::AddExport(const char* suggested_name,
                              std::function<void(std::ostream&)> write) {
  auto* export_csv = new QPushButton(tr("Export CSV..."), this);
  export_csv->setObjectName("exportCsv");
  controls_->addWidget(export_csv);
  connect(export_csv, &QPushButton::clicked, this,
          [this, suggested_name, write = std::move(write)] {
            ExportCsv(this, suggested_name, files_, write);
          });
}

void ResultsWindow::Start(const QString& running,
                          std::function<std::function<void()>(JobControl&)> work) {
  SetStatus(running);
  job_->Start(std::move(work));
  progress_->Follow();
}

QLineEdit* ResultsWindow::ToleranceField(double value, const char* name, QWidget* parent) {
  auto* field = new QLineEdit(QString::number(value), parent);
  field->setObjectName(name);
  auto* validator = new QDoubleValidator(0, 1e300, 17, field);
  validator->setLocale(QLocale::c());
  field->setValidator(validator);
  field->setMaximumWidth(90);
  return field;
}

}  // namespace tabulon::gui
