// SPDX-License-Identifier: GPL-3.0-or-later
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/model/controls.h"
#include "app/model/repeated_names.h"
#include "common/count16.h"

namespace tabulon {
namespace {

using Names = std::vector<std::string>;

// The pass as first written: for each position up to the count at the start, remove the entry
// when a later entry (up to the count at that moment) equals it. Quadratic; kept here as the
// reference for the results.
void RemoveRepeatedNamesQuadratic(ListBox& list, Count16& count) {
  const int n = count;
  for (int i = 0; i <= n - 1; ++i) {
    const std::string a = list.Item(i);
    const int last = count - 1;
    for (int j = i + 1; j <= last; ++j) {
      if (list.Item(j) == a) {
        list.RemoveItem(i);
        --count;
        break;
      }
    }
  }
}

struct Thinned {
  Names names;
  int count;
};

template <typename Pass>
Thinned ApplyPass(const Names& names, Pass pass) {
  ListBox list("LOS1");
  for (const std::string& name : names) list.AddItem(name);
  Count16 count(static_cast<int>(names.size()));
  pass(list, count);
  return {list.Items(), count};
}

TEST(RemoveRepeatedNames, KeepsHalfOfEachRunRoundedUp) {
  struct Case {
    Names before;
    Names after;
  };
  const Case cases[] = {
      {{}, {}},
      {{"A"}, {"A"}},
      {{"A", "A"}, {"A"}},
      {{"A", "A", "A"}, {"A", "A"}},
      {{"A", "A", "B", "B"}, {"A", "B"}},
      {{"A", "A", "A", "A"}, {"A", "A"}},
      {{"A", "A", "A", "B", "B"}, {"A", "A", "B"}},
      {{"A", "A", "B", "B", "B", "C", "C"}, {"A", "B", "B", "C"}},
      {{"", "", "", "A"}, {"", "", "A"}},  // empty names are entries like any other
  };
  for (const Case& c : cases) {
    for (auto pass : {RemoveRepeatedNames, RemoveRepeatedNamesQuadratic}) {
      const Thinned result = ApplyPass(c.before, pass);
      EXPECT_EQ(result.names, c.after) << ::testing::PrintToString(c.before);
      EXPECT_EQ(result.count, static_cast<int>(c.after.size()));
    }
  }
}

TEST(RemoveRepeatedNames, AgreesWithTheQuadraticPassOnRandomLists) {
  std::mt19937 random(20050501);
  for (int round = 0; round < 300; ++round) {
    const int size = std::uniform_int_distribution<int>(0, 60)(random);
    const int alphabet = std::uniform_int_distribution<int>(1, 12)(random);
    Names names;
    for (int i = 0; i < size; ++i) {
      const int pick = std::uniform_int_distribution<int>(0, alphabet)(random);
      names.push_back(pick == 0 ? std::string() : "S" + std::to_string(pick));
    }
    const Thinned fast = ApplyPass(names, RemoveRepeatedNames);
    const Thinned literal = ApplyPass(names, RemoveRepeatedNamesQuadratic);
    EXPECT_EQ(fast.names, literal.names) << ::testing::PrintToString(names);
    EXPECT_EQ(fast.count, literal.count);
  }
}

}  // namespace
}  // namespace tabulon
