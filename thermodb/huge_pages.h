// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace tabulon {

// Asks the kernel to back the 2 MiB-aligned stretches of the `size` bytes at `data` (room
// allocated, not yet written) with huge pages. Writing the bytes of a large file, or its
// records, into fresh memory otherwise costs one page fault for every 4 KiB, most of the time
// the loading takes; with huge pages a few faults do. Only advice: where the system does not
// take it, nothing changes.
void AdviseHugePages(const void* data, std::size_t size);

}  // namespace tabulon
