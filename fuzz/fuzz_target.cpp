// SPDX-License-Identifier: GPL-3.0-or-later
// The libFuzzer entry point of one fuzz target; FUZZ_CHECK names its check (fuzz_checks.h).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/checks/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string problem =
      tabulon::fuzz::FUZZ_CHECK(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!problem.empty()) {
    std::fprintf(stderr, "PROPERTY FAILED: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
