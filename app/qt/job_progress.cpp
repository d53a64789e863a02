// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/job_progress.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "app/qt/background_job.h"
#include "app/qt/tool_tip.h"

namespace tabulon::gui {

JobProgress::JobProgress(BackgroundJob& job, QWidget* parent)
    : QWidget(parent),
      job_(job),
      bar_(new QProgressBar(this)),
      cancel_(new QPushButton(tr("Cancel"), this)),
      timer_(new QTimer(this)) {
  bar_->setObjectName("progress");
  cancel_->setObjectName("cancel");
  cancel_->setShortcut(Qt::Key_Escape);
  SetToolTip(*cancel_, tr("Stops the run; the table keeps what it showed"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(bar_, 1);
  layout->addWidget(cancel_);
  connect(cancel_, &QPushButton::clicked, this, [this] {
    job_.Cancel();
    cancel_->setEnabled(false);
  });
  connect(timer_, &QTimer::timeout, this, &JobProgress::Update);
  connect(&job_, &BackgroundJob::finished, this, [this] {
    timer_->stop();
    hide();
  });
  hide();
}

void JobProgress::Follow() {
  bar_->setRange(0, 0);
  cancel_->setEnabled(true);
  show();
  timer_->start(100);
}

void JobProgress::Update() {
  const std::size_t total = job_.Total();
  if (total == 0) return;
  bar_->setRange(0, int(total));
  bar_->setValue(int(job_.Done()));
}

}  // namespace tabulon::gui
