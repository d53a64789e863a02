// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>

namespace tabulon {

// Calls work(begin, end) over [0, count) cut into consecutive parts, one for each hardware
// thread, all at the same time (the first on the calling thread), and returns when every part
// is done; an exception of a part is thrown again here. A count too small to be worth a thread
// is one part on the calling thread. `work` must be safe to run on several threads at once.
void ForEachPart(std::size_t count,
                 const std::function<void(std::size_t begin, std::size_t end)>& work);

}  // namespace tabulon
