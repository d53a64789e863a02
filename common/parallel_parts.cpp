// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/parallel_parts.h"

#include <algorithm>
#include <future>
#include <thread>
#include <vector>

namespace tabulon {

namespace {

// Below this many items a part costs less than starting a thread for it.
constexpr std::size_t kSmallestPart = 256;

}  // namespace

void ForEachPart(std::size_t count,
                 const std::function<void(std::size_t begin, std::size_t end)>& work) {
  const std::size_t threads = std::max(1U, std::thread::hardware_concurrency());
  const std::size_t parts = std::clamp<std::size_t>(count / kSmallestPart, 1, threads);
  const auto part_begin = [&](std::size_t part) { return count * part / parts; };
  std::vector<std::future<void>> others;
  for (std::size_t part = 1; part < parts; ++part) {
    others.push_back(std::async(std::launch::async, work, part_begin(part), part_begin(part + 1)));
  }
  work(0, part_begin(1));
  for (std::future<void>& other : others) other.get();
}

}  // namespace tabulon
