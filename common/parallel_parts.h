// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <memory>

namespace tabulon {

// What a part of a parallel run does: work(begin, end) for the items [begin, end).
using PartWork = std::function<void(std::size_t begin, std::size_t end)>;

// Work on [0, count) cut into small consecutive pieces, which the other hardware threads begin
// to take at once; Finish has the calling thread take pieces too until none is left, and
// returns when all are done, throwing again an exception of a piece. So the calling thread can
// do something else first (write the lines of a chunk while the next is being worked out). A
// count too small to be worth a thread is left wholly to Finish, and so are the pieces when no
// other thread is free. Destroyed unfinished, it hands out no more pieces and waits for those
// under way. `work` must be safe to run on several threads at once, and what it uses must
// outlive the run.
class PartsInBackground {
 public:
  PartsInBackground(std::size_t count, PartWork work);
  ~PartsInBackground();
  PartsInBackground(const PartsInBackground&) = delete;
  PartsInBackground& operator=(const PartsInBackground&) = delete;

  void Finish();

 private:
  struct Run;
  std::shared_ptr<Run> run_;  // shared with the other threads' tasks, which may start late
};

// Runs `work` over [0, count) on every hardware thread, the calling one among them, and
// returns when all is done (PartsInBackground, finished at once).
void ForEachPart(std::size_t count, const PartWork& work);

}  // namespace tabulon
