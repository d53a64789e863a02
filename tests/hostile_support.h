// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "compare_fixture.h"
#include "test_support.h"

namespace tabulon::testing {

// The bytes of database files when a test starts, to check that nothing ever wrote to them.
class UnchangedFiles {
 public:
  explicit UnchangedFiles(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) bytes_[path] = ReadBytes(path);
  }

  ::testing::AssertionResult Unchanged() const {
    for (const auto& [path, bytes] : bytes_) {
      if (ReadBytes(path) != bytes) return ::testing::AssertionFailure() << path << " changed";
    }
    return ::testing::AssertionSuccess();
  }

 private:
  std::map<std::string, std::string> bytes_;
};

// A database of `count` species lines named S00000, S00001, ...: only what the scan reads.
inline std::string NumberedSpecies(int count) {
  std::string text = "THERMO\r\n";
  text.reserve(static_cast<std::size_t>(count) * 16 + 16);
  char line[32];
  for (int i = 0; i < count; ++i) {
    std::snprintf(line, sizeof line, "S%05d x\r\n", i);
    text += line;
  }
  return text + "END\r\n";
}

// A database of `count` records named S00000, S00001, ...: the usual layout, valid from 200 K
// to 5000 K.
inline std::string NumberedRecords(int count) {
  std::vector<std::string> records;
  char name[16];
  for (int i = 0; i < count; ++i) {
    std::snprintf(name, sizeof name, "S%05d", i);
    records.push_back(GasRecord(name));
  }
  return DatabaseText(records);
}

// Ten megabytes: a line that long must be read, listed and shown in bounded time.
inline constexpr std::size_t kTenMegabytes = 10 * 1024 * 1024;

}  // namespace tabulon::testing
