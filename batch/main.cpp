// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch: drives the main window model headless, for scripted use and tests.
#include <iostream>
#include <string>
#include <vector>

#include "batch/command_line.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const int status = tabulon::batch::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc),
                                                    std::cout, std::cerr);
  std::cout.flush();
  return status;
}
