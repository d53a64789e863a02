// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>

namespace tabulon {

// Calls work(begin, end) over [0, count) cut into small consecutive pieces, which every
// hardware thread (the calling one among them) takes one after another until none is left, and
// returns when all are done; an exception of a piece is thrown again here. A count too small to
// be worth a thread is one piece on the calling thread. `work` must be safe to run on several
// threads at once.
void ForEachPart(std::size_t count,
                 const std::function<void(std::size_t begin, std::size_t end)>& work);

}  // namespace tabulon
