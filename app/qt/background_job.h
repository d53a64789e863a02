// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>

#include <QObject>

class QThread;

namespace tabulon::gui {

// What a job running off the window's thread may touch: its progress and the cancel request.
class JobControl {
 public:
  // Records progress; false once the user asked to cancel, so the job stops.
  bool Report(std::size_t done, std::size_t total) {
    done_ = done;
    total_ = total;
    return !cancelled_;
  }
  bool Cancelled() const { return cancelled_; }

 private:
  friend class BackgroundJob;
  std::atomic<std::size_t> done_{0}, total_{0};
  std::atomic<bool> cancelled_{false};
};

// Runs one long piece of work (reading and checking a database, scanning a pair) on its own
// thread so the window stays responsive. `work` runs there and must touch nothing of the
// window; its result is handed back by `deliver`, which runs on the window's thread after the
// work has ended (never when the job was destroyed first). Destroying the job cancels the work
// and waits for it.
class BackgroundJob : public QObject {
  Q_OBJECT

 public:
  explicit BackgroundJob(QObject* parent = nullptr);
  ~BackgroundJob() override;

  // Starts `work`; its return value, a function, is called on the window's thread once the
  // work is done. At most one run at a time.
  void Start(std::function<std::function<void()>(JobControl&)> work);
  void Cancel();
  bool Running() const;
  // Whether the last run was cancelled.
  bool Cancelled() const { return control_ && control_->Cancelled(); }

  // Progress of the running work: done and total (total 0 while it cannot tell yet).
  std::size_t Done() const { return control_ ? control_->done_.load() : 0; }
  std::size_t Total() const { return control_ ? control_->total_.load() : 0; }

 signals:
  void finished();

 private:
  void Stop();

  std::shared_ptr<JobControl> control_;
  QThread* thread_ = nullptr;
};

}  // namespace tabulon::gui
