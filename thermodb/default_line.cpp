// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/default_line.h"

#include "thermodb/temperature_line.h"
#include "thermodb/thermo_format.h"

namespace tabulon {

bool DefaultLineSearch::Take(std::string_view line) {
  switch (state_) {
    case State::BeforeHeader:
      if (IsHeaderLine(line)) state_ = State::AfterHeader;
      break;
    case State::AfterHeader: {
      const std::size_t first = line.find_first_not_of(' ');
      if (first == std::string_view::npos || line[first] == '!') break;
      default_ = DefaultCommonTemperature(line);
      state_ = State::Ended;
      break;
    }
    case State::Ended:
      break;
  }
  return Ended();
}

}  // namespace tabulon
