// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>

#include "batch/batch_session.h"
#include "batch/commands.h"

namespace tabulon::batch {

// list DB: loads DB as DB #1 and prints what the window then shows: List1Nbr's caption, then
// every entry of LOS1 in list order, one per line, bytes as they are.
int RunList(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return 2;
  BatchSession session(err);
  const bool loaded = session.Load(Db::One, args[0]);
  const MainWindowModel& window = session.Window();
  out << window.List1Nbr.Caption() << '\n';
  for (const std::string& name : window.LOS1.Items()) out << name << '\n';
  return loaded ? 0 : 1;
}

}  // namespace tabulon::batch
