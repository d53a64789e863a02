// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/parallel_parts.h"

#include <algorithm>
#include <thread>

namespace tabulon {

namespace {

// Below this many items for each thread, a thread costs more to start than it saves.
constexpr std::size_t kSmallestShare = 256;
// The threads take the items this many at a time, so that they all end together.
constexpr std::size_t kPiece = 64;

}  // namespace

PartsInBackground::PartsInBackground(std::size_t count, PartWork work)
    : count_(count), work_(std::move(work)) {
  const std::size_t threads = std::clamp<std::size_t>(
      count / kSmallestShare, 1, std::max(1U, std::thread::hardware_concurrency()));
  for (std::size_t thread = 1; thread < threads; ++thread) {
    others_.push_back(std::async(std::launch::async, [this] { TakePieces(); }));
  }
}

PartsInBackground::~PartsInBackground() {
  next_ = count_;
  for (std::future<void>& other : others_) {
    if (other.valid()) other.wait();
  }
}

void PartsInBackground::TakePieces() {
  for (std::size_t begin = next_.fetch_add(kPiece); begin < count_;
       begin = next_.fetch_add(kPiece)) {
    work_(begin, std::min(count_, begin + kPiece));
  }
}

void PartsInBackground::Finish() {
  TakePieces();
  for (std::future<void>& other : others_) {
    if (other.valid()) other.get();
  }
}

void ForEachPart(std::size_t count, const PartWork& work) {
  PartsInBackground parts(count, work);
  parts.Finish();
}

}  // namespace tabulon
