// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/page_export.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/model/reports_folder.h"
#include "app/qt/background_job.h"
#include "app/qt/job_progress.h"
#include "app/qt/latin1.h"
#include "app/qt/link_button.h"
#include "app/qt/main_window.h"
#include "common/version.h"
#include "compare/comparison_page_file.h"

namespace tabulon::gui {

PageExportWindow::PageExportWindow(std::array<std::string, 2> files, std::string page,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window),
      files_(std::move(files)),
      page_(std::move(page)),
      job_(new BackgroundJob(this)),
      progress_(new JobProgress(*job_, this)),
      status_(new QLabel(this)),
      open_(new QPushButton(tr("Open in the browser"), this)) {
  setObjectName("PageExport");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Export HTML report"));
  status_->setObjectName("status");
  status_->setTextFormat(Qt::PlainText);
  status_->setWordWrap(true);
  open_->setObjectName("openPage");
  open_->hide();
  connect(open_, &QPushButton::clicked, this,
          [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(Latin1(page_))); });

  auto* layout = new QVBoxLayout(this);
  auto* what = new QLabel(tr("The comparison of\n%1\nwith\n%2\ninto %3")
                              .arg(Latin1(files_[0]), Latin1(files_[1]), Latin1(page_)),
                          this);
  what->setTextFormat(Qt::PlainText);
  layout->addWidget(what);
  layout->addWidget(progress_);
  layout->addWidget(status_);
  layout->addWidget(open_, 0, Qt::AlignRight);
  resize(560, sizeHint().height());
  connect(job_, &BackgroundJob::finished, this, [this] {
    if (job_->Cancelled()) status_->setText(tr("Cancelled: the HTML report was not written."));
  });
  Start();
}

QString PageExportWindow::StatusText() const {
  return status_->text();
}

void PageExportWindow::Start() {
  status_->setText(tr("Writing the HTML report..."));
  job_->Start([this, files = files_, page = page_](JobControl& control) -> std::function<void()> {
    const PageFileOutcome outcome = WriteComparisonPageFile(
        files[0], files[1], page, {}, std::string("Tabulon ") + kVersion,
        [&control](std::size_t done, std::size_t total) { return control.Report(done, total); });
    return [this, outcome] {
      if (outcome.status == PageFileOutcome::Status::Written) {
        status_->setText(tr("HTML report written: %1").arg(Latin1(outcome.path)));
        open_->show();
        return;
      }
      status_->setText(tr("The HTML report was not written."));
      const QString reason = outcome.status == PageFileOutcome::Status::NotLoaded
                                 ? tr("%1 cannot be loaded: %2")
                                 : tr("%1 was not written: %2");
      QMessageBox::warning(this, tr("Export HTML report"),
                           reason.arg(Latin1(outcome.path), Latin1(outcome.problem)));
    };
  });
  progress_->Follow();
}

void ExportComparisonPage(QWidget* parent, const std::array<std::string, 2>& files,
                          const QString& folder) {
  const QString chosen = QFileDialog::getSaveFileName(
      parent, QObject::tr("Export HTML report"), QDir(folder).filePath("comparison.html"),
      QObject::tr("HTML pages (*.html *.htm);;All files (*)"));
  if (chosen.isEmpty()) return;
  auto* window = new PageExportWindow(files, Bytes(chosen), parent);
  window->show();
}

PageExportButton::PageExportButton(MainWindow& window) : window_(window) {
  setObjectName("ExportHtml");
  setText(tr("Export HTML report..."));
  ShowAsLink(*this);
  setFocusPolicy(Qt::NoFocus);  // keeps the window's tab order as it is
  setAutoFillBackground(true);  // hides the frame's edge behind it, as the frame's caption does
  connect(this, &QToolButton::clicked, this, [this] {
    const CommonValue& common = window_.Model().common;
    ExportComparisonPage(&window_, {common.DB1Path, common.DB2Path}, Latin1(ReportsFolder(common)));
  });
  ShowState();
  // Compare shows Compare Common Species; a load hides it again.
  connect(&window, &MainWindow::eventHandled, this, &PageExportButton::ShowState);
}

void PageExportButton::ShowState() {
  const bool compared = window_.Model().CMD4.Visible();
  setEnabled(compared);
  setToolTip(compared ? tr("Writes one HTML page to share: both files, the species in each, every "
                           "difference, the plots of the species that differ most and both "
                           "files' check findings")
                      : tr("Compare the two databases first"));
}

}  // namespace tabulon::gui
