// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include <unistd.h>

#include <gtest/gtest.h>

#include "corpus_support.h"

namespace tabulon::testing {

// A fresh directory under the system's temporary folder, removed with everything in it when the
// test ends.
class TempDir {
 public:
  TempDir() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string tag = info ? std::string(info->test_suite_name()) + "." + info->name() : "tabulon";
    for (char& c : tag) {
      if (c == '/') c = '_';
    }
    path_ =
        std::filesystem::temp_directory_path() /
        ("tabulon-" + tag + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The full path of `name` in this directory, as a string.
  std::string File(std::string_view name) const { return (path_ / name).string(); }

  // Writes `bytes` to `name` exactly as given (no line-end translation); returns the full path.
  std::string Write(std::string_view name, std::string_view bytes) const {
    std::string path = File(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

 private:
  static inline int counter_ = 0;
  std::filesystem::path path_;
};

// The path of one of the project's example databases ("therm_a.dat").
inline std::string ExampleFile(std::string_view name) {
  return std::string(TABULON_SOURCE_DIR) + "/examples/" + std::string(name);
}

// The whole content of a file as bytes; empty when it cannot be read.
inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace tabulon::testing
