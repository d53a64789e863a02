// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tabulon::batch {

// Each command takes the arguments after its name and returns the exit status:
// 0 success, 1 failure of the work, 2 wrong usage.
int RunList(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunShow(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunCompare(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// check returns 1 when it found something, 2 also when the database cannot be loaded.
int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunDiff(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunRecords(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunTable(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// repair, merge and subset write a new database; 1 also when a record was refused or skipped,
// or a name was not found (the file is written all the same).
int RunRepair(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunMerge(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunSubset(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// Built only with the window (it draws with Qt): TABULON_BATCH_PLOT is defined then.
int RunPlot(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tabulon::batch
