// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/parallel_parts.h"

#include <algorithm>
#include <atomic>
#include <future>
#include <thread>
#include <vector>

namespace tabulon {

namespace {

// Below this many items for each thread, a thread costs more to start than it saves.
constexpr std::size_t kSmallestShare = 256;
// The threads take the items this many at a time, so that they all end together.
constexpr std::size_t kPiece = 64;

}  // namespace

void ForEachPart(std::size_t count,
                 const std::function<void(std::size_t begin, std::size_t end)>& work) {
  const std::size_t threads = std::clamp<std::size_t>(
      count / kSmallestShare, 1, std::max(1U, std::thread::hardware_concurrency()));
  if (threads == 1) {
    work(0, count);
    return;
  }
  std::atomic<std::size_t> next{0};
  const auto take_pieces = [&] {
    for (std::size_t begin = next.fetch_add(kPiece); begin < count;
         begin = next.fetch_add(kPiece)) {
      work(begin, std::min(count, begin + kPiece));
    }
  };
  std::vector<std::future<void>> others;
  for (std::size_t thread = 1; thread < threads; ++thread) {
    others.push_back(std::async(std::launch::async, take_pieces));
  }
  take_pieces();
  for (std::future<void>& other : others) other.get();
}

}  // namespace tabulon
