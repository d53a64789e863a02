// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tabulon::batch {

// Each command takes the arguments after its name and returns the exit status:
// 0 success, 1 failure of the work, kWrongUsage. Only wrong usage is followed by the command's
// usage line; a file that cannot be loaded is a failure of the work, named on stderr.
inline constexpr int kWrongUsage = 2;
// What check returns for a database that cannot be loaded: the program exits 2 (check's 1
// means findings), without the usage line.
inline constexpr int kCheckNotLoaded = -2;

int RunList(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunShow(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunCompare(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// check returns 1 when it found something, kCheckNotLoaded when the database cannot be loaded.
int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunDiff(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunRecords(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// report writes the comparison page; 1 when a database cannot be loaded or the page not written.
int RunReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunTable(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// repair, merge and subset write a new database; 1 also when a record was refused or skipped,
// or a name was not found (the file is written all the same).
int RunRepair(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunMerge(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunSubset(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// Hands over to the window program's --plot, which draws with Qt; 1 when it is not found.
int RunPlot(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tabulon::batch
