// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/model/controls.h"
#include "common/count16.h"

namespace tabulon {

// Thins a freshly filled species list: of every run of k equal names (equal names stand
// together in the sorted list) ceil(k/2) copies stay, so a pair becomes one entry, three become
// two, four become two; `count` (the number of entries, as the list holds them) loses the
// removed ones. These are the results of a pass that removes, at each position, the entry when a
// later entry equals it, then moves on; the names left repeated are reported by the comparison.
void RemoveRepeatedNames(ListBox& list, Count16& count);

}  // namespace tabulon
