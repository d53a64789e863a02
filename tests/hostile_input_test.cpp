// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile database files through tabulon-batch: every run ends within its time limit with the
// outcome the window would show, and no database file ever changes.
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "batch_run.h"
#include "compare_fixture.h"
#include "hostile_support.h"

namespace tabulon {
namespace {

using namespace std::string_literals;

using testing::BatchRun;
using testing::DatabaseText;
using testing::GasFields;
using testing::GasRecord;
using testing::kTenMegabytes;
using testing::NumberedSpecies;
using testing::ReadBytes;
using testing::RunBatch;
using testing::TempDir;
using testing::UnchangedFiles;

// Every batch run here must end well within this; a hang shows as kBatchTimedOut.
constexpr int kTimeLimit = 60;

const std::string kHeader = "THERMO\r\n";

std::string WithLineEnds(std::string text, const std::string& line_end) {
  std::string out;
  for (std::size_t start = 0, end; start < text.size(); start = end + 2) {
    end = text.find("\r\n", start);
    out += text.substr(start, end - start) + line_end;
  }
  return out;
}

// The first `lines` lines of a record (with their line ends).
std::string FirstLines(const std::string& record, int lines) {
  std::size_t end = 0;
  for (int i = 0; i < lines; ++i) end = record.find("\r\n", end) + 2;
  return record.substr(0, end);
}

struct ListCase {
  std::string what;
  std::string bytes;
  int status;
  std::string out;       // the whole output: count caption, then the names
  std::string err_part;  // part of the reason for a failed load
};

TEST(HostileInput, ListEndsWithTheLoadOutcomeForEveryStrangeFile) {
  std::string all_bytes;
  for (int c = 0; c < 256; ++c) all_bytes += static_cast<char>(c);
  const std::string two = DatabaseText({GasRecord("CH4"), GasRecord("O2")});
  const std::string long_name(1000, 'N');
  const std::string huge_name(kTenMegabytes, 'H');
  const ListCase cases[] = {
      {"empty file", "", 1, "(0)\n", "no THERMO header line"},
      {"binary bytes, NULs included", all_bytes + all_bytes, 1, "(0)\n", "no THERMO header line"},
      {"NUL and non-ASCII bytes in names",
       kHeader + "C\0h4 x\r\nch\xe9\xff y\r\n\xe9t\xe9 z\r\nEND\r\n"s, 0,
       "(2)\nC\0H4\nCH\xe9\xff\n"s, ""},
      {"one line of 10 MB", std::string(kTenMegabytes, '7'), 1, "(0)\n", "no THERMO header line"},
      {"a species line of 10 MB", kHeader + huge_name + " x\r\nEND\r\n", 0,
       "(1)\n" + huge_name + "\n", ""},
      {"a species line of 10 MB without a blank", kHeader + huge_name + "\r\nEND\r\n", 0, "(1)\n\n",
       ""},
      {"10 MB of blanks", kHeader + std::string(kTenMegabytes, ' ') + "\r\nEND\r\n", 0, "(0)\n",
       ""},
      {"no line end at all", "THERMO CH4 x END", 1, "(0)\n",
       "It ends at line 1 without an END line."},
      {"CR LF line ends", two, 0, "(2)\nCH4\nO2\n", ""},
      {"CR line ends", WithLineEnds(two, "\r"), 0, "(2)\nCH4\nO2\n", ""},
      {"LF line ends", WithLineEnds(two, "\n"), 0, "(2)\nCH4\nO2\n", ""},
      {"mixed line ends", "THERMO\rCH4 x\n 2\r\n 3\r 4\nO2 y\n\rEND", 0, "(2)\nCH4\nO2\n", ""},
      {"a name of 1,000 characters", kHeader + long_name + " x\r\nEND\r\n", 0,
       "(1)\n" + long_name + "\n", ""},
  };
  TempDir dir;
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string db = dir.Write("hostile.dat", c.bytes);
    const UnchangedFiles files({db});
    const BatchRun run = RunBatch({"list", db}, dir, kTimeLimit);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_TRUE(run.out == c.out) << run.out.substr(0, 200);
    if (!c.err_part.empty()) {
      EXPECT_NE(run.err.find(c.err_part), std::string::npos) << run.err;
    }
    EXPECT_TRUE(files.Unchanged());
  }
}

TEST(HostileInput, SixteenBitSpeciesCountsEndAt32767) {
  TempDir dir;
  const std::string full = dir.Write("full.dat", NumberedSpecies(32767));
  const std::string over = dir.Write("over.dat", NumberedSpecies(32768));
  const UnchangedFiles files({full, over});

  const BatchRun fits = RunBatch({"list", full}, dir, kTimeLimit);
  EXPECT_EQ(fits.status, 0) << fits.err;
  EXPECT_TRUE(fits.out.starts_with("(32767)\nS00000\nS00001\n"));
  EXPECT_TRUE(fits.out.ends_with("\nS32766\n"));

  const BatchRun too_many = RunBatch({"list", over}, dir, kTimeLimit);
  EXPECT_EQ(too_many.status, 1);
  EXPECT_EQ(too_many.out, "(0)\n");  // a failed load lists nothing
  EXPECT_NE(too_many.err.find("more than 32767 species"), std::string::npos) << too_many.err;
  EXPECT_TRUE(files.Unchanged());
}

TEST(HostileInput, WhatIsNoDatabaseFileIsRefusedAtOnce) {
  TempDir dir;
  const std::string db = dir.Write("db.dat", DatabaseText({GasRecord("AR")}));
  const std::string folder = dir.File("folder.dat");
  std::filesystem::create_directory(folder);
  const std::string fifo = dir.File("fifo.dat");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // A thermo database begins with its text; a file of more than 1 GiB is something else.
  const std::string huge = dir.Write("huge.dat", DatabaseText({GasRecord("AR")}));
  std::filesystem::resize_file(huge, (std::uintmax_t{1} << 30) + 1);  // sparse: no disk used
  const UnchangedFiles files({db});
  struct Case {
    std::string path;
    std::string reason;
  };
  for (const Case& c :
       {Case{folder, "a directory"}, Case{fifo, "not a regular file"},
        Case{huge, "larger than 1 GiB"}, Case{dir.File("missing.dat"), "No such file"}}) {
    SCOPED_TRACE(c.path);
    for (const std::vector<std::string>& args : {std::vector<std::string>{"list", c.path},
                                                 {"show", c.path, "AR", "300"},
                                                 {"compare", c.path, db},
                                                 {"compare", db, c.path}}) {
      const BatchRun run = RunBatch(args, dir, kTimeLimit);
      EXPECT_EQ(run.status, 1) << args[0];
      EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    }
  }
  EXPECT_TRUE(files.Unchanged());
  EXPECT_FALSE(std::filesystem::exists(dir.File("Comp2.txt")));
}

// The line `show` prints for the temperature `t`: t, then Cp, H and S.
std::string ResultLine(const BatchRun& run, const std::string& t) {
  const std::size_t start = run.out.find("\n" + t + "\t");
  if (start == std::string::npos) return "(no line for " + t + ")";
  return run.out.substr(start + 1, run.out.find('\n', start + 1) - start - 1);
}

TEST(HostileInput, LimitsBeyondTheRangeOrNotNumbersAreRefusedByTheTemperatureCheck) {
  struct Case {
    std::string low, high, mid;
    std::string limits;  // Lbl8 when the species is shown; empty when it is refused
  };
  const Case cases[] = {
      {"1e400", "3500.000", "1000.000", ""},
      {"-1e400", "3500.000", "1000.000", ""},
      {"200.000", "1e400", "1000.000", ""},
      {"200.000", "3500.000", "-1e400", ""},
      {"nan", "3500.000", "1000.000", ""},
      {"200.000", "NaN", "1000.000", ""},
      {"200.000", "3500.000", "inf", ""},
      {"1.#QNAN", "3500.000", "1000.000", " 1    3500    1000"},
      {"-1.#IND", "3500.000", "1000.000", "-1    3500    1000"},
      {"200.000", "3500.000", "1" + std::string(400, '0'), ""},
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.low + " " + c.high + " " + c.mid);
    const std::string record = GasRecord("AR");
    const std::string db =
        dir.Write("db.dat", DatabaseText({"AR  " + c.low + " " + c.high + " " + c.mid + "    1" +
                                          record.substr(record.find("\r\n"))}));
    const UnchangedFiles files({db});
    const BatchRun run = RunBatch({"show", db, "AR", "300"}, dir, kTimeLimit);
    if (c.limits.empty()) {
      EXPECT_EQ(run.status, 1);
      EXPECT_NE(run.err.find("Check temperature  DB #1"), std::string::npos) << run.err;
      // Shown as the window shows it: the limits, then empty coefficient boxes.
      EXPECT_NE(run.out.find("\n\t\t\t\t\t\t\n\t\t\t\t\t\t\n300\t"), std::string::npos) << run.out;
    } else {
      EXPECT_EQ(run.status, 0) << run.err;
      EXPECT_TRUE(run.out.starts_with(c.limits + "\n")) << run.out;
    }
    EXPECT_TRUE(files.Unchanged());
  }
}

TEST(HostileInput, CoefficientsBeyondTheRangeFailSilentlyAndNanLikeTextsReadAsTheirLeadingNumber) {
  struct Case {
    std::string field;    // a1 and a'1
    std::string same_as;  // the field that must give the same results; empty: overflow
  };
  const Case cases[] = {
      {"1e400", ""}, {"-1e400", ""},   {"1.79769314E+308", ""}, {"nan", "0"},       {"NaN", "0"},
      {"inf", "0"},  {"1.#QNAN", "1"}, {"-1.#IND", "-1"},       {"2.5\xe9", "2.5"},
  };
  TempDir dir;
  auto show = [&](const std::string& a1) {
    const std::string db = dir.Write("db.dat", DatabaseText({GasRecord("AR", GasFields(a1))}));
    const UnchangedFiles files({db});
    BatchRun run = RunBatch({"show", db, "AR", "300", "1000"}, dir, kTimeLimit);
    EXPECT_TRUE(files.Unchanged());
    return run;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    const BatchRun run = show(c.field);
    EXPECT_EQ(run.status, 0) << run.err;
    // A field that is no number as a whole is shown as it stands.
    EXPECT_TRUE(run.out.find("\n" + c.field + "\t") != std::string::npos) << run.out;
    if (c.same_as.empty()) {
      // Cp reads a1 and overflows: its box stays empty, and the failed reaction passes no
      // temperature on to the H and S fields.
      EXPECT_EQ(ResultLine(run, "300"), "300\t\t\t");
      EXPECT_NE(run.err.find("TXT1K: Overflow"), std::string::npos) << run.err;
      EXPECT_EQ(run.err.find("TXT1KH"), std::string::npos) << run.err;
    } else {
      const BatchRun same = show(c.same_as);
      for (const std::string t : {"300", "1000"})
        EXPECT_EQ(ResultLine(run, t), ResultLine(same, t));
      EXPECT_EQ(run.err, "");
    }
  }
}

// A common record cut short is compared with its side empty; the coefficient report goes on to
// its end, and the property report stops at that species, saying so.
TEST(HostileInput, ARecordCutShortLeavesItsSideEmptyAndTheComparisonGoesOn) {
  const std::string ne = GasRecord("NE");
  TempDir dir;
  const std::string db2 = dir.Write("db2.dat", DatabaseText({GasRecord("AR"), ne}));
  for (int lines = 1; lines <= 2; ++lines) {
    SCOPED_TRACE(std::to_string(lines) + " line(s) of NE, then END");
    const std::string db1 =
        dir.Write("db1.dat", kHeader + GasRecord("AR") + FirstLines(ne, lines) + "END\r\n");
    const UnchangedFiles files({db1, db2});
    const BatchRun shown = RunBatch({"show", db1, "NE"}, dir, kTimeLimit);
    EXPECT_EQ(shown.status, 1);
    EXPECT_NE(shown.err.find("NE not found"), std::string::npos) << shown.err;

    // NE is common, so the report reads it through both detail views.
    const BatchRun compared = RunBatch({"compare", db1, db2}, dir, kTimeLimit);
    EXPECT_EQ(compared.status, 1);
    EXPECT_NE(compared.out.find("msglbl1: Output copied to: Comp.txt\n"
                                "msglbl2: Comp2.txt stops at NE (T = 300 K)\n"),
              std::string::npos)
        << compared.out;
    const std::string report = ReadBytes(dir.File("Comp.txt"));
    EXPECT_NE(report.find("NE\r\na1 //      |      2.50000000E+00\r\n"), std::string::npos)
        << report;
    EXPECT_TRUE(files.Unchanged());
  }
}

// A record whose name may be longer than the 18 columns of the usual layout.
std::string NamedRecord(const std::string& name,
                        const std::vector<std::string>& fields = GasFields()) {
  return name + " " + GasRecord("X", fields).substr(1);
}

TEST(HostileInput, LongAndNonAsciiNamesGoThroughBothReports) {
  const std::string long_name(1000, 'L');
  const std::string odd_name = "C\xe9\xff(\x01)";
  TempDir dir;
  const std::string db1 = dir.Write(
      "db1.dat", DatabaseText({NamedRecord(long_name), NamedRecord(odd_name), GasRecord("AR")}));
  const std::string db2 = dir.Write(
      "db2.dat",
      DatabaseText({NamedRecord(long_name, GasFields("2.60000000E+00")), NamedRecord(odd_name)}));
  const UnchangedFiles files({db1, db2});
  const BatchRun run = RunBatch({"compare", db1, db2}, dir, kTimeLimit);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string comp = ReadBytes(dir.File("Comp.txt"));
  EXPECT_NE(comp.find("\r\n" + long_name + "\r\na1 //  2.50000000E+00     |      2.60000000E+00"),
            std::string::npos);
  EXPECT_NE(comp.find("\r\n" + odd_name + "\r\n"), std::string::npos);
  const std::string comp2 = ReadBytes(dir.File("Comp2.txt"));
  EXPECT_NE(comp2.find("\r\n" + long_name + "\t"), std::string::npos);
  EXPECT_NE(comp2.find("\r\n" + odd_name + "\t"), std::string::npos);
  EXPECT_TRUE(files.Unchanged());
}

}  // namespace
}  // namespace tabulon
