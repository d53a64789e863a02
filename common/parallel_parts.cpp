// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/parallel_parts.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>

namespace tabulon {

namespace {

// Below this many items for each thread, a thread costs more than it saves.
constexpr std::size_t kSmallestShare = 256;
// The threads take the items this many at a time, so that they all end together.
constexpr std::size_t kPiece = 64;
// How long an idle worker keeps looking for work before it sleeps: a sleeping thread can take
// a millisecond to wake on a virtual machine, longer than a chunk of report lines takes.
constexpr auto kLookingFor = std::chrono::milliseconds(2);

// One worker thread for each hardware thread but the first, started at the first parallel run
// and kept for the process, so that a run does not wait for threads to start.
class Workers {
 public:
  static Workers& Instance() {
    static Workers workers;
    return workers;
  }

  std::size_t Count() const { return threads_.size(); }

  void Post(std::function<void()> task) {
    {
      std::lock_guard lock(mutex_);
      tasks_.push_back(std::move(task));
      ++posted_;
    }
    woken_.notify_one();
  }

  ~Workers() {
    for (std::jthread& thread : threads_) thread.request_stop();
    woken_.notify_all();
  }

 private:
  Workers() {
    const unsigned count = std::max(1U, std::thread::hardware_concurrency()) - 1;
    for (unsigned i = 0; i < count; ++i) {
      threads_.emplace_back([this](std::stop_token stop) { Work(stop); });
    }
  }

  void Work(const std::stop_token& stop) {
    while (!stop.stop_requested()) {
      // Looks for work for a while without sleeping, then sleeps until some is posted.
      const auto until = std::chrono::steady_clock::now() + kLookingFor;
      while (posted_.load() == taken_.load() && std::chrono::steady_clock::now() < until &&
             !stop.stop_requested()) {
        std::this_thread::yield();
      }
      std::function<void()> task;
      {
        std::unique_lock lock(mutex_);
        woken_.wait(lock, stop, [this] { return !tasks_.empty(); });
        if (tasks_.empty()) return;
        task = std::move(tasks_.front());
        tasks_.pop_front();
        ++taken_;
      }
      task();
    }
  }

  std::mutex mutex_;
  std::condition_variable_any woken_;
  std::deque<std::function<void()>> tasks_;
  std::atomic<std::size_t> posted_{0}, taken_{0};
  std::vector<std::jthread> threads_;  // last: stopped and joined first
};

}  // namespace

// What the threads of a run share. A task that starts after the run has been finished does
// nothing, so the calling thread never waits for a worker that is busy elsewhere.
struct PartsInBackground::Run {
  std::size_t count;
  PartWork work;
  std::atomic<std::size_t> next{0};
  std::mutex mutex;
  std::condition_variable ended;
  int working = 0;      // other threads taking pieces
  bool closed = false;  // no other thread may begin
  std::exception_ptr failure;

  void TakePieces() {
    for (std::size_t begin = next.fetch_add(kPiece); begin < count;
         begin = next.fetch_add(kPiece)) {
      work(begin, std::min(count, begin + kPiece));
    }
  }

  // A task of another thread.
  void Help() {
    {
      std::lock_guard lock(mutex);
      if (closed) return;
      ++working;
    }
    std::exception_ptr error;
    try {
      TakePieces();
    } catch (...) {
      error = std::current_exception();
    }
    std::lock_guard lock(mutex);
    if (error && !failure) failure = error;
    --working;
    ended.notify_all();
  }

  // Lets no other thread begin and waits for those under way.
  void Close() {
    std::unique_lock lock(mutex);
    closed = true;
    ended.wait(lock, [this] { return working == 0; });
  }
};

PartsInBackground::PartsInBackground(std::size_t count, PartWork work)
    : run_(std::make_shared<Run>(count, std::move(work))) {
  if (count < 2 * kSmallestShare) return;
  Workers& workers = Workers::Instance();
  const std::size_t helpers = std::min(workers.Count(), count / kSmallestShare - 1);
  for (std::size_t i = 0; i < helpers; ++i) workers.Post([run = run_] { run->Help(); });
}

PartsInBackground::~PartsInBackground() {
  run_->next = run_->count;
  run_->Close();
}

void PartsInBackground::Finish() {
  run_->TakePieces();
  run_->Close();
  if (run_->failure) std::rethrow_exception(run_->failure);
}

void ForEachPart(std::size_t count, const PartWork& work) {
  PartsInBackground parts(count, work);
  parts.Finish();
}

}  // namespace tabulon
