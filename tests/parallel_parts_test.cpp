// SPDX-License-Identifier: GPL-3.0-or-later
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "common/parallel_parts.h"

namespace tabulon {
namespace {

// Every item is worked on exactly once, whatever the count, also when a part starts a parallel
// run of its own (no thread may wait for itself).
TEST(ParallelParts, WorksOnEveryItemOnce) {
  for (std::size_t count : {0, 1, 255, 511, 512, 5000, 100000}) {
    std::vector<std::atomic<int>> done(count);
    ForEachPart(count, [&](std::size_t begin, std::size_t end) {
      ForEachPart(600, [](std::size_t, std::size_t) {});
      for (std::size_t i = begin; i < end; ++i) ++done[i];
    });
    for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(done[i], 1) << count << " " << i;
  }
}

// A failing piece is thrown again by Finish, after the other threads are done; a run left
// unfinished waits for what is under way and hands out nothing more.
TEST(ParallelParts, ThrowsAgainAndStopsWhenLeft) {
  std::atomic<int> pieces{0};
  EXPECT_THROW(ForEachPart(100000,
                           [&](std::size_t begin, std::size_t) {
                             ++pieces;
                             if (begin == 50048) throw std::runtime_error("piece");
                           }),
               std::runtime_error);
  EXPECT_GT(pieces, 0);
  // Nothing is worked on once a run left unfinished is gone.
  std::atomic<bool> gone{false};
  std::atomic<int> late{0};
  {
    PartsInBackground left(100000, [&](std::size_t, std::size_t) {
      if (gone) ++late;
      std::this_thread::sleep_for(std::chrono::microseconds(50));
    });
  }
  gone = true;
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(late, 0);
}

}  // namespace
}  // namespace tabulon
