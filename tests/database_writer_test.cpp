// SPDX-License-Identifier: GPL-3.0-or-later
// The database writer: splicing (every untouched byte kept, line ends included) and the rules
// of saving (never over a database in use, never half-written, only what reads back as meant).
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include <unistd.h>

#include <gtest/gtest.h>

#include "check_records.h"
#include "test_support.h"
#include "thermodb/coefficient_lines.h"
#include "thermodb/database_edit.h"
#include "thermodb/database_save.h"
#include "thermodb/thermo_file.h"

namespace tabulon {
namespace {

namespace fs = std::filesystem;
using testing::CoefficientLine;
using testing::ReadBytes;
using testing::RecordLine1;
using testing::TempDir;

ThermoFile InMemory(const std::string& bytes) {
  return ThermoFile::Of(FileSnapshot::OfBytes("mem.dat", bytes));
}

// Every file of the corpus, whether it loads or not, is written back byte for byte when no
// record changes; those that load also pass the read-back of a save.
TEST(DatabaseWriter, WritesEveryCorpusFileBackUnchanged) {
  TABULON_REQUIRE_CORPUS();
  TempDir dir;
  int files = 0, loaded = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(testing::CorpusDir())) {
    if (!entry.is_regular_file() || entry.path().extension() == ".md") continue;
    const std::string path = entry.path().string();
    SCOPED_TRACE(path);
    ++files;
    const ThermoFile source = ThermoFile::Read(path);
    const DatabaseOutput output = DatabaseEdit(source).Build();
    EXPECT_EQ(output.bytes, ReadBytes(path));
    EXPECT_EQ(output.records.size(), source.Records().size());
    if (!source.Outcome().Succeeded()) continue;
    ++loaded;
    const std::string target = dir.File(entry.path().filename().string());
    const SaveOutcome saved = SaveDatabase(output, target, {});
    EXPECT_TRUE(saved.saved) << saved.problem;
    EXPECT_EQ(ReadBytes(target), ReadBytes(path));
  }
  EXPECT_GE(files, 26);
  EXPECT_GE(loaded, 20);
}

// A small file with every kind of line end, comment lines inside and between records, a record
// cut short and text after END.
const std::string kA1 = RecordLine1("A", 300, 5000, 1000);
const std::string kA2 = CoefficientLine(1, 2, 3, 4, 5, 2);
const std::string kA3 = CoefficientLine(6, 7, 1, 2, 3, 3);
const std::string kA4 = CoefficientLine(4, 5, 6, 7, 0, 4);
const std::string kB1 = RecordLine1("B", 300, 5000, 1000);
const std::string kHead = "preamble\r\nTHERMO\r\n   300.000  1000.000  5000.000\r\n! before A\n";
const std::string kA = kA1 + "\r\n! inside A\r" + kA2 + "\n" + kA3 + "\r\n" + kA4 + "\r\n";
const std::string kB = kB1 + "\r\n" + kA2 + "\r\n" + kA3 + "\r\n" + kA4 + "\r\n";
const std::string kC = RecordLine1("C", 300, 5000, 1000) + "\r\n" + kA2 + "\r\n";
const std::string kTail = "END\r\nafter the end";
const std::string kSource = kHead + kA + kB + kC + kTail;
// Another file, with LF line ends: the record D.
const std::string kD1 = RecordLine1("D", 200, 3000, 1000);
const std::string kOther =
    "THERMO\n" + kD1 + "\n! inside D\n" + kA2 + "\n" + kA3 + "\n" + kA4 + "\nEND\n";

TEST(DatabaseWriter, SplicesChangedRecordsAndKeepsEveryOtherByte) {
  const ThermoFile source = InMemory(kSource);
  const ThermoFile other = InMemory(kOther);
  ASSERT_EQ(source.Records().size(), 3u);
  ASSERT_EQ(other.Records().size(), 1u);
  const std::array<std::string, 3> lines = {"L2", "L3", "L4"};
  const std::string d_as_b =
      "! from D\r\n" + kD1 + "\r\n! inside D\r\n" + kA2 + "\r\n" + kA3 + "\r\n" + kA4 + "\r\n";
  struct Case {
    const char* what;
    std::function<void(DatabaseEdit&)> edit;
    std::string expected;
    std::vector<std::string> names;  // the records the output holds, in order
  } cases[] = {
      {"nothing changed", [](DatabaseEdit&) {}, kSource, {"A", "B", "C"}},
      {"A rewritten: line 1 and the comment inside kept, each line its own line end",
       [&](DatabaseEdit& e) { EXPECT_TRUE(e.Rewrite(0, lines, {}, {}, "new\nA")); },
       kHead + "! new A\r\n" + kA1 + "\r\n! inside A\rL2\nL3\r\nL4\r\n" + kB + kC + kTail,
       {"A", "B", "C"}},
      {"B removed", [](DatabaseEdit& e) { e.Remove(1); }, kHead + kA + kC + kTail, {"A", "C"}},
      {"the short record C removed: only its own lines",
       [](DatabaseEdit& e) { e.Remove(2); },
       kHead + kA + kB + kTail,
       {"A", "B"}},
      {"B replaced by D, with B's line ends",
       [&](DatabaseEdit& e) { e.Replace(1, other, 0, "from D"); },
       kHead + kA + d_as_b + kC + kTail,
       {"A", "D", "C"}},
      {"D added before END, twice, with the line end before END",
       [&](DatabaseEdit& e) {
         e.AddBeforeEnd(other, 0, "from D");
         e.AddBeforeEnd(other, 0, "from D");
       },
       kHead + kA + kB + kC + d_as_b + d_as_b + kTail,
       {"A", "B", "C", "D", "D"}},
      {"a later change of a record replaces the earlier",
       [&](DatabaseEdit& e) {
         e.Remove(0);
         e.Replace(0, other, 0, "from D");
       },
       kHead + d_as_b + kB + kC + kTail,
       {"D", "B", "C"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DatabaseEdit edit(source);
    c.edit(edit);
    const DatabaseOutput output = edit.Build();
    EXPECT_EQ(output.bytes, c.expected);
    std::vector<std::string> names;
    for (const WrittenRecord& record : output.records) names.push_back(record.as_read->name);
    EXPECT_EQ(names, c.names);
  }
  EXPECT_FALSE(DatabaseEdit(source).Rewrite(2, lines, {}, {}, "C is cut short"));
}

TEST(DatabaseWriter, StandardCoefficientLines) {
  const CoefficientSet high{1.5, -2.25e-3, 0, -0.0, 1e-99, -4.53303e4, 5.123456};
  const CoefficientSet low{-1e-99, 1e99, 123456789.49, 3.000000005, 0.1250000005, 2, 3};
  const auto lines = StandardCoefficientLines(high, low, " 1.234E+04     xx");
  ASSERT_TRUE(lines);
  EXPECT_EQ((*lines)[0],
            " 1.50000000E+00-2.25000000E-03 0.00000000E+00 0.00000000E+00 1.00000000E-99    2");
  EXPECT_EQ((*lines)[1],
            "-4.53303000E+04 5.12345600E+00-1.00000000E-99 1.00000000E+99 1.23456789E+08    3");
  EXPECT_EQ((*lines)[2],
            " 3.00000000E+00 1.25000001E-01 2.00000000E+00 3.00000000E+00 1.234E+04         4");
  EXPECT_EQ(WrittenCoefficient(123456789.49), 123456789.0);
  // Half-way in decimal, rounded by the binary value: 3.000000005 is 3.0000000049999..., and
  // 0.1250000005 is 0.12500000050000001...
  EXPECT_EQ(WrittenCoefficient(3.000000005), 3.0);
  EXPECT_EQ(WrittenCoefficient(0.1250000005), 0.125000001);
  // A field holds 15 columns: "1.00000000E+100" fits, "-1.00000000E+100" does not.
  EXPECT_EQ((*StandardCoefficientLines({1e100, 0, 0, 0, 0, 0, 0}, low, ""))[0].size(), 80u);
  for (double unwritable : {-1e100, -1e-100, std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity()}) {
    EXPECT_FALSE(StandardCoefficientLines({unwritable, 0, 0, 0, 0, 0, 0}, low, "")) << unwritable;
    EXPECT_FALSE(StandardCoefficientLines(high, {0, 0, 0, 0, 0, 0, unwritable}, "")) << unwritable;
  }
}

TEST(DatabaseWriter, SavesOnlyWhereAllowed) {
  TempDir dir;
  const std::string database = dir.Write("db.dat", kSource);
  const std::string old_text = "an older file\n";
  fs::create_directory(dir.Path() / "sub");
  fs::create_directory(dir.Path() / "folder");
  fs::create_hard_link(database, dir.File("hard.dat"));
  fs::create_symlink(database, dir.File("soft.dat"));
  const ThermoFile source = ThermoFile::Read(database);
  const DatabaseOutput output = DatabaseEdit(source).Build();
  struct Case {
    const char* what;
    std::string target;
    bool replace;
    TargetRefusal refusal;
    bool saved;
  } cases[] = {
      {"a new file", "new.dat", false, TargetRefusal::None, true},
      {"the database itself", "db.dat", true, TargetRefusal::Protected, false},
      {"the database by another path", "sub/../db.dat", true, TargetRefusal::Protected, false},
      {"a hard link to the database", "hard.dat", true, TargetRefusal::Protected, false},
      {"a symbolic link to the database", "soft.dat", true, TargetRefusal::Protected, false},
      {"an existing file", "old.dat", false, TargetRefusal::Exists, false},
      {"an existing file, replacing allowed", "old.dat", true, TargetRefusal::None, true},
      {"a folder", "folder", true, TargetRefusal::NotAFile, false},
      {"a missing folder", "missing/new.dat", false, TargetRefusal::None, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    dir.Write("old.dat", old_text);
    const std::string target = dir.File(c.target);
    const SaveOutcome outcome = SaveDatabase(output, target, {c.replace, {database}});
    EXPECT_EQ(outcome.saved, c.saved) << outcome.problem;
    EXPECT_EQ(outcome.refusal, c.refusal);
    EXPECT_EQ(outcome.problem.empty(), c.saved);
    EXPECT_EQ(ReadBytes(database), kSource);
    if (c.saved) {
      EXPECT_EQ(ReadBytes(target), kSource);
    } else if (std::string(c.target) == "old.dat") {
      EXPECT_EQ(ReadBytes(target), old_text);
    }
  }
  // Nothing but the files made above is left behind (no temporary file).
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(dir.Path())) {
    left.push_back(entry.path().filename().string());
  }
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"db.dat", "folder", "hard.dat", "new.dat", "old.dat",
                                            "soft.dat", "sub"}));
}

// A file that would not read back as meant is never left behind, and an existing target stays.
TEST(DatabaseWriter, RefusesWhatDoesNotReadBackAsMeant) {
  TempDir dir;
  const ThermoFile source = InMemory(kSource);
  const ThermoFile other = InMemory(kOther);
  DatabaseOutput missing_record = DatabaseEdit(source).Build();
  missing_record.records.pop_back();
  DatabaseOutput wrong_numbers = DatabaseEdit(source).Build();
  wrong_numbers.records[0].rewritten = {CoefficientSet{}, CoefficientSet{}};
  DatabaseOutput other_record = DatabaseEdit(source).Build();
  other_record.records[1].as_read = &other.Records()[0];
  DatabaseOutput no_end = DatabaseEdit(source).Build();
  no_end.bytes.erase(no_end.bytes.find("END"));
  const struct {
    const char* what;
    DatabaseOutput output;
    const char* problem;
  } cases[] = {
      {"a record too few", missing_record, "it holds 3 records, not 2"},
      {"other coefficients", wrong_numbers,
       "record 1 (A, line 5) reads other coefficients than were written"},
      {"another record", other_record, "record 2 (B, line 10) reads the name B, not D"},
      {"no END line", no_end, "it does not load: it ends at line 15 without an END line"},
  };
  const std::string target = dir.Write("kept.dat", "kept\n");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const SaveOutcome outcome = SaveDatabase(c.output, target, {true, {}});
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.problem,
              std::string("the written file does not read back as meant: ") + c.problem);
    EXPECT_EQ(ReadBytes(target), "kept\n");
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace tabulon
