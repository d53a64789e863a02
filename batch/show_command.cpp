#include <ostream>

#include "batch/commands.h"

namespace tabulon::batch {

int RunShow(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  (void)args;
  (void)out;
  err << "tabulon-batch show: not built yet\n";
  return 1;
}

}  // namespace tabulon::batch
