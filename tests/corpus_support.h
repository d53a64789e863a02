// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Real databases written by others, read in place from a folder outside the project (they are
// never copied into it). A clone on its own has no such folder: every test that reads one
// starts with TABULON_REQUIRE_CORPUS(files...) and is skipped, saying which file is missing and
// how to point to the folder, unless TABULON_CORPUS_REQUIRED is set in the environment (as CI
// does), where a missing file fails the test instead.

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace tabulon::testing {

// The folder of real databases: the environment's TABULON_CORPUS_DIR when set, otherwise the
// one the build was configured with (cmake -DTABULON_CORPUS_DIR=...).
inline std::string CorpusDir() {
  const char* from_environment = std::getenv("TABULON_CORPUS_DIR");
  if (from_environment && *from_environment) return from_environment;
  return TABULON_CORPUS_DIR;
}

inline std::string CorpusFile(std::string_view name) {
  return CorpusDir() + "/" + std::string(name);
}

// Empty when the corpus folder is there with every file named; otherwise one line saying what
// is missing and how to point the tests to the corpus.
inline std::string MissingCorpusFile(std::initializer_list<std::string_view> names) {
  const std::string how =
      "; set TABULON_CORPUS_DIR (environment or cmake -D) to the folder of real databases";
  std::error_code error;
  if (!std::filesystem::is_directory(CorpusDir(), error)) {
    return "no corpus folder " + CorpusDir() + how;
  }
  for (std::string_view name : names) {
    if (!std::filesystem::is_regular_file(CorpusFile(name), error)) {
      return "corpus file " + std::string(name) + " not found in " + CorpusDir() + how;
    }
  }
  return {};
}

// The full path of `program` found on PATH, or empty.
inline std::string ProgramOnPath(std::string_view program) {
  const char* path = std::getenv("PATH");
  std::string_view folders = path ? path : "";
  while (!folders.empty()) {
    const std::size_t colon = folders.find(':');
    const std::string candidate =
        std::string(folders.substr(0, colon)) + "/" + std::string(program);
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) return candidate;
    folders = colon == std::string_view::npos ? std::string_view() : folders.substr(colon + 1);
  }
  return {};
}

inline bool CorpusRequired() {
  const char* required = std::getenv("TABULON_CORPUS_REQUIRED");
  return required && *required && std::string_view(required) != "0";
}

}  // namespace tabulon::testing

// First statement of a test that reads corpus files: skips the test (fails it where the corpus
// is required) when the folder or one of the files named is missing. A table-driven test may
// name none and let each row assert that its file loaded.
#define TABULON_REQUIRE_CORPUS(...)                                                     \
  do {                                                                                  \
    const std::string tabulon_missing_corpus =                                          \
        ::tabulon::testing::MissingCorpusFile({__VA_ARGS__});                           \
    if (!tabulon_missing_corpus.empty()) {                                              \
      if (::tabulon::testing::CorpusRequired()) GTEST_FAIL() << tabulon_missing_corpus; \
      GTEST_SKIP() << tabulon_missing_corpus;                                           \
    }                                                                                   \
  } while (false)

// First statement of a test that runs a program the machine may lack: skips the test, naming
// the program and what it is needed for, when it is not on PATH. (CI installs every such
// program through scripts/setup.sh and fails on any skipped test.)
#define TABULON_REQUIRE_PROGRAM(program, needed_for)                                            \
  do {                                                                                          \
    if (::tabulon::testing::ProgramOnPath(program).empty()) {                                   \
      GTEST_SKIP() << program << " is not installed (not on PATH); it is needed " << needed_for \
                   << "; scripts/setup.sh installs it";                                         \
    }                                                                                           \
  } while (false)
