// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/database_side.h"
#include "app/model/main_window_model.h"
#include "app/model/scripted_platform.h"

namespace tabulon::testing {

// One record in the usual 80-column layout: line 1 holds the name, `temperatures` from column
// 46 and the line number 1 in column 80; lines 2 to 4 hold the fifteen `fields` (a1 to a7, a'1
// to a'7, Hf/R), each right-aligned in its 15 columns, and their numbers in column 80. Lines end
// with CR LF.
inline std::string RecordText(std::string_view name, std::string_view temperatures,
                              const std::vector<std::string>& fields) {
  auto numbered = [](std::string line, char number) {
    line.resize(79, ' ');
    return line + number + "\r\n";
  };
  std::string line1(name);
  line1.resize(45, ' ');
  std::string text = numbered(line1 + std::string(temperatures), '1');
  for (int line = 0; line < 3; ++line) {
    std::string coefficients;
    for (int k = 5 * line; k < 5 * line + 5 && k < static_cast<int>(fields.size()); ++k) {
      const std::string& field = fields[static_cast<std::size_t>(k)];
      coefficients += std::string(15 - std::min<std::size_t>(15, field.size()), ' ') + field;
    }
    text += numbered(coefficients, static_cast<char>('2' + line));
  }
  return text;
}

// The main window model with scripted platform services, after its load steps.
struct TestWindow {
  ScriptedPlatform platform;
  MainWindowModel window{platform};

  TestWindow() { window.Load(); }

  // Leaves the side as a load of `path` would: its path set and `names` in its list. The
  // loader is tested on its own; the detail view only needs these two.
  void UseDatabase(Db db, const std::string& path, std::initializer_list<std::string> names) {
    const DatabaseSide side = SideOf(window, db);
    side.path = path;
    side.list.Clear();
    for (const std::string& name : names) side.list.AddItem(name);
  }

  std::vector<std::string> CoefficientTexts(Db db) {
    const DatabaseSide side = SideOf(window, db);
    std::vector<std::string> texts;
    for (int k = 0; k < 14; ++k) texts.push_back(side.Coefficient(k).Text());
    return texts;
  }
};

}  // namespace tabulon::testing
