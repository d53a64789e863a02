// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/repeated_names.h"

#include <string>
#include <vector>

namespace tabulon {

void RemoveRepeatedNames(ListBox& list, Count16& count) {
  const std::vector<std::string>& items = list.Items();
  std::vector<int> removed;
  std::size_t run_start = 0;
  while (run_start < items.size()) {
    std::size_t run_end = run_start + 1;
    while (run_end < items.size() && items[run_end] == items[run_start]) ++run_end;
    // Equal entries are identical, so which copies go does not matter: the first k/2.
    const std::size_t surplus = (run_end - run_start) / 2;
    for (std::size_t i = 0; i < surplus; ++i) removed.push_back(static_cast<int>(run_start + i));
    run_start = run_end;
  }
  list.RemoveItems(removed);
  count = Count16(count - static_cast<int>(removed.size()));
}

}  // namespace tabulon
