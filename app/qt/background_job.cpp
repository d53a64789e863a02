// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/background_job.h"

#include <QMetaObject>
#include <QThread>

namespace tabulon::gui {

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent) {}

BackgroundJob::~BackgroundJob() {
  Stop();
}

void BackgroundJob::Start(std::function<std::function<void()>(JobControl&)> work) {
  Stop();
  control_ = std::make_shared<JobControl>();
  std::shared_ptr<JobControl> control = control_;
  thread_ = QThread::create([this, control, work = std::move(work)] {
    std::function<void()> deliver = work(*control);
    // Queued to this object: Qt drops the call when the object is destroyed first.
    QMetaObject::invokeMethod(
        this,
        [this, control, deliver = std::move(deliver)] {
          if (control != control_) return;  // a later run has replaced this one
          if (thread_) thread_->wait();
          if (deliver && !control->Cancelled()) deliver();
          emit finished();
        },
        Qt::QueuedConnection);
  });
  thread_->start();
}

void BackgroundJob::Cancel() {
  if (control_) control_->cancelled_ = true;
}

bool BackgroundJob::Running() const {
  return thread_ && !thread_->isFinished();
}

void BackgroundJob::Stop() {
  if (!thread_) return;
  Cancel();
  thread_->wait();
  delete thread_;
  thread_ = nullptr;
}

}  // namespace tabulon::gui
