// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/thermo_file_pair.h"

#include <future>

namespace tabulon {

std::pair<ThermoFile, ThermoFile> ReadThermoFilePair(const std::string& first,
                                                     const std::string& second) {
  std::future<ThermoFile> second_file =
      std::async(std::launch::async, [&second] { return ThermoFile::Read(second); });
  ThermoFile first_file = ThermoFile::Read(first);
  return {std::move(first_file), second_file.get()};
}

}  // namespace tabulon
