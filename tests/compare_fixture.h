// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/model/database_side.h"
#include "app/model/main_window_model.h"
#include "common/number_text.h"
#include "compare/report_file.h"
#include "compare/report_sink.h"
#include "detail_window.h"
#include "test_support.h"
#include "thermodb/thermo_file.h"

namespace tabulon::testing {

// Coefficient fields of a monatomic gas: a1 = a'1 = `a1`, a6 = a'6 = -745.375, a7 = a'7 = `a7`,
// the others 0, Hf/R field `hf`. Cp/R is a1 at every temperature.
inline std::vector<std::string> GasFields(const std::string& a1 = "2.50000000E+00",
                                          const std::string& a7 = "4.37966038E+00",
                                          const std::string& hf = "") {
  const std::string zero = "0.00000000E+00";
  const std::string a6 = "-7.45375000E+02";
  return {a1, zero, zero, zero, zero, a6, a7,  // a1 .. a7
          a1, zero, zero, zero, zero, a6, a7,  // a'1 .. a'7
          hf};
}

// A record of the usual layout, valid from 200 K to `t_high` with common temperature 1000 K.
inline std::string GasRecord(const std::string& name,
                             const std::vector<std::string>& fields = GasFields(),
                             const std::string& t_high = "5000.000",
                             const std::string& t_low = "200.000") {
  auto right = [](const std::string& text, std::size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
  };
  return RecordText(name, right(t_low, 10) + right(t_high, 10) + " 1000.000", fields);
}

// A database file's text: header, default temperature line, the records, END.
inline std::string DatabaseText(const std::vector<std::string>& records) {
  std::string text = "THERMO\r\n   200.000  1000.000  5000.000\r\n";
  for (const std::string& record : records) text += record;
  return text + "END\r\n";
}

// Clicks CMD1 or CMD2 with the open-file dialog answering `path`.
inline void LoadDatabaseFile(TestWindow& t, Db db, const std::string& path) {
  t.platform.file_answers.assign({path});
  (db == Db::One ? t.window.CMD1 : t.window.CMD2).Click();
}

// Leaves a side as a load of `path` would, with `names` in its list exactly as given (repeats
// included), so the comparison can be driven with any pair of lists.
inline void UseLoadedList(MainWindowModel& window, Db db, const std::string& path,
                          const std::vector<std::string>& names) {
  const DatabaseSide side = SideOf(window, db);
  side.list.Clear();
  for (const std::string& name : names) side.list.AddItem(name);
  side.count = static_cast<int>(names.size());
  side.loaded = true;
  side.path = path;
  side.dir = std::filesystem::path(path).parent_path().string() + "/";
  side.path_label.SetCaption(side.path_prefix + path);
  side.count_label.SetCaption(CountCaption(side.count));
}

// The lines of a report, split at CR LF; the text after the last CR LF (normally empty) is
// the last element.
inline std::vector<std::string> ReportLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = bytes.find("\r\n", start);
    lines.push_back(bytes.substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) return lines;
    start = end + 2;
  }
}

// A report that the user may not write: `path` (its folder, or the report itself) loses its
// owner's write permission. Permission bits do not stop the superuser (CI runs as root), so
// there every report's open is refused the same way through ReportFile's open seam instead,
// and the test's log says so. The seam is removed when this ends.
class NoWritePermission {
 public:
  explicit NoWritePermission(const std::string& path) {
    if (::geteuid() != 0) {
      std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                   std::filesystem::perm_options::remove);
      return;
    }
    ::testing::Test::RecordProperty("simulated", "running as root: " + path + " refused by a seam");
    SetReportOpenCall([](const char*, int, mode_t) {
      errno = EACCES;
      return -1;
    });
  }
  ~NoWritePermission() { SetReportOpenCall(nullptr); }
  NoWritePermission(const NoWritePermission&) = delete;
  NoWritePermission& operator=(const NoWritePermission&) = delete;
};

// A full disk for every report written while this lives.
class DiskFull {
 public:
  DiskFull() {
    SetReportWriteCall([](int, const void*, std::size_t) -> ssize_t {
      errno = ENOSPC;
      return -1;
    });
  }
  ~DiskFull() { SetReportWriteCall(nullptr); }
  DiskFull(const DiskFull&) = delete;
  DiskFull& operator=(const DiskFull&) = delete;
};

// A database held in memory, read as a report command reads its file.
inline ThermoFile FileOf(const std::vector<std::string>& records, std::string path) {
  return ThermoFile::Of(FileSnapshot::OfBytes(std::move(path), DatabaseText(records)));
}

// A report's lines caught in memory. With `fail_at`, writing line number `fail_at` (from 0)
// fails as a full disk would.
struct CaughtLines : ReportSink {
  std::vector<std::string> lines;
  std::size_t fail_at = static_cast<std::size_t>(-1);
  void WriteLine(std::string_view text) override {
    if (lines.size() == fail_at) throw ReportFailure("Comp.txt", "No space left on device");
    lines.emplace_back(text);
  }
};

}  // namespace tabulon::testing
