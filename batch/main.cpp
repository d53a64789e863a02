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
    "       tabulon-batch table DB NAME [--db2 DB2] [--from A --to B --step C] [--si]\n"
    "       tabulon-batch plot DB NAME [--db2 DB2] --out FILE.svg|FILE.png [--size WxH] [--si]\n";

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
  } else if (command == "table") {
    status = tabulon::batch::RunTable(args, std::cout, std::cerr);
  } else if (command == "plot") {
#ifdef TABULON_BATCH_PLOT
    status = tabulon::batch::RunPlot(args, std::cout, std::cerr);
#else
    std::cerr << "tabulon-batch plot: this build has no window (TABULON_BUILD_GUI=OFF)\n";
    status = 1;
#endif
  }
  if (status == 2) std::cerr << kUsage;
  std::cout.flush();
  return status;
}
