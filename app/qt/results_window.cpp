// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/results_window.h"

#include <QDir>
#include <QDoubleValidator>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/qt/csv_export.h"
#include "app/qt/job_progress.h"
#include "app/qt/latin1.h"
#include "app/qt/main_window.h"
#include "app/qt/plot/database_species.h"
#include "app/qt/results_table.h"
#include "app/qt/species_selection.h"
#include "app/qt/tool_tip.h"

namespace tabulon::gui {

ResultsWindow::ResultsWindow(MainWindow& main, const char* name, const QString& kind,
                             std::vector<SourceFile> files, ResultsTableModel* rows,
                             QWidget* parent)
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
  QStringList labels;
  for (const SourceFile& file : files_)
    labels << DatabaseLabel(file.db == Db::One ? 1 : 2, file.path);
  setWindowTitle(kind + QStringLiteral(" - ") + labels.join(QStringLiteral(", ")));
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
    if (job_->Cancelled()) SetStatus(cancelled_);
  });
}

QString ResultsWindow::StatusText() const {
  return status_->text();
}

void ResultsWindow::SetStatus(const QString& text) {
  status_->setText(text);
}

bool ResultsWindow::SelectInMainWindow(const SourceFile& file, const std::string& name) {
  const DatabaseSide side = SideOf(main_.Model(), file.db);
  if (side.loaded && side.path == file.path) {
    SelectSpecies(main_, file.db, name);
    return true;
  }
  const int db = file.db == Db::One ? 1 : 2;
  const QString now = side.loaded ? QFileInfo(Latin1(side.path)).fileName() : tr("no database");
  SetStatus(tr("DB #%1 now holds %2; this window shows %3")
                .arg(db)
                .arg(now, QFileInfo(Latin1(file.path)).fileName()));
  return false;
}

void ResultsWindow::AddExport(const char* suggested_name,
                              std::function<void(std::ostream&)> write) {
  auto* export_csv = new QPushButton(tr("Export CSV..."), this);
  export_csv->setObjectName("exportCsv");
  export_csv->setShortcut(QKeySequence::Save);
  SetToolTip(*export_csv, tr("Writes the rows shown into a CSV file"));
  controls_->addWidget(export_csv);
  connect(export_csv, &QPushButton::clicked, this,
          [this, suggested_name, write = std::move(write)] {
            std::vector<std::string> databases;
            for (const SourceFile& file : files_) databases.push_back(file.path);
            // The dialog opens in the (first) database's folder.
            const QString folder =
                QFileInfo(QFile::decodeName(QByteArray::fromStdString(files_.front().path)))
                    .absolutePath();
            ExportCsv(this, QFile::encodeName(QDir(folder).filePath(suggested_name)).toStdString(),
                      databases, write);
          });
}

void ResultsWindow::Start(const QString& running,
                          std::function<std::function<void()>(JobControl&)> work,
                          const QString& cancelled) {
  cancelled_ = cancelled.isEmpty() ? tr("Cancelled: run it again to see the results.") : cancelled;
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
