// tabulon-batch: drives the main window model headless, for scripted use and tests.
#include <iostream>
#include <string>
#include <vector>

#include "batch/commands.h"

namespace {

constexpr const char* kUsage =
    "usage: tabulon-batch list DB\n"
    "       tabulon-batch show DB NAME [--hf] [T ...]\n"
    "       tabulon-batch compare DB1 DB2 [--temps A,B,C] [--hf]\n"
    "       tabulon-batch check DB [--tol-cp X] [--tol-h X] [--tol-s X] [--format text|csv|json]\n"
    "       tabulon-batch diff DB1 DB2 [--csv]\n";

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  if (argc < 2) {
    std::cerr << kUsage;
    return 2;
  }
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  int status = 2;
  if (command == "list") {
    status = tabulon::batch::RunList(args, std::cout, std::cerr);
  } else if (command == "show") {
    status = tabulon::batch::RunShow(args, std::cout, std::cerr);
  } else if (command == "compare") {
    status = tabulon::batch::RunCompare(args, std::cout, std::cerr);
  } else if (command == "check") {
    status = tabulon::batch::RunCheck(args, std::cout, std::cerr);
  } else if (command == "diff") {
    status = tabulon::batch::RunDiff(args, std::cout, std::cerr);
  }
  if (status == 2) std::cerr << kUsage;
  std::cout.flush();
  return status;
}
