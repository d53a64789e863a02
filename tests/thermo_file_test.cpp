// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "common/ascii_text.h"
#include "test_support.h"
#include "thermodb/line_reader.h"
#include "thermodb/name_scan.h"
#include "thermodb/record_lookup.h"
#include "thermodb/text_lines.h"
#include "thermodb/thermo_file.h"
#include "thermodb/thermo_format.h"

namespace tabulon {
namespace {

using testing::CorpusFile;
using testing::TempDir;

// The lines of a file as the line reader gives them, the reference for line numbers.
std::vector<std::string> ReaderLines(const std::string& path) {
  std::vector<std::string> lines;
  LineReader reader;
  if (!reader.Open(path)) return lines;
  std::string line;
  while (reader.Next(line)) lines.push_back(line);
  return lines;
}

// A ThermoFile must answer exactly what the name scan and the record lookup answer for the same
// file: the names and the outcome of the scan, and for every word of the file (and a few that
// are not there) the record the lookup finds. `what` names the file in failures.
void ExpectAgreesWithScanAndLookup(const std::string& path, const std::string& what) {
  SCOPED_TRACE(what);
  const ThermoFile file = ThermoFile::Read(path);

  std::vector<std::string> names;
  const ScanResult scan = ListSpeciesNames(path, [&](std::string name) { names.push_back(name); });
  EXPECT_EQ(file.Outcome().end, scan.end);
  EXPECT_EQ(file.Outcome().problem, scan.problem);
  EXPECT_EQ(file.Names(), names);

  const std::vector<std::string> lines = ReaderLines(path);
  EXPECT_EQ(file.LineCount(), lines.size());
  for (const ThermoRecord& record : file.Records()) {
    ASSERT_GE(record.line_number, 1);
    ASSERT_LE(static_cast<std::size_t>(record.line_number), lines.size());
    EXPECT_EQ(record.Line(0), lines[static_cast<std::size_t>(record.line_number - 1)])
        << record.name << " at line " << record.line_number;
    for (int k = 0; k <= kCoefficientsPerRecord; ++k) {
      EXPECT_EQ(record.FieldEmpty(k), record.Field(k).empty()) << record.name << " field " << k;
    }
  }

  std::set<std::string> candidates(names.begin(), names.end());
  for (const std::string& line : lines) candidates.insert(RecordWord(line));
  candidates.insert({"", "NOT-THERE", "ch4", "CH4 "});
  const std::vector<std::string> all(candidates.begin(), candidates.end());
  const std::vector<const ThermoRecord*> found_together = file.FindAll(all);
  ASSERT_EQ(found_together.size(), all.size());
  for (std::size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(found_together[i], file.Find(all[i])) << "FindAll and Find of " << all[i];
  }

  for (const std::string& name : candidates) {
    const LookupResult expected = FindSpeciesRecord(path, name);
    const ThermoRecord* record = file.Find(name);
    switch (expected.status) {
      case LookupStatus::NotFound:
        EXPECT_EQ(record, nullptr) << name;
        continue;
      case LookupStatus::CannotOpen:
        EXPECT_EQ(record, nullptr) << name;
        EXPECT_FALSE(file.Readable());
        continue;
      case LookupStatus::Found:
      case LookupStatus::Incomplete:
        break;
    }
    ASSERT_NE(record, nullptr) << name;
    EXPECT_EQ(record->Complete(), expected.status == LookupStatus::Found) << name;
    EXPECT_EQ(record->name, name);
    const SpeciesRecord& want = expected.record;
    EXPECT_EQ(record->Line1Upper(), want.line1) << name;
    EXPECT_EQ(record->Line(1), want.line2) << name;
    EXPECT_EQ(record->Line(2), want.line3) << name;
    EXPECT_EQ(record->Line(3), want.line4) << name;
    EXPECT_EQ(file.Find(name), record) << "a second lookup gives the same record";
  }
}

struct FileCase {
  const char* what;
  std::string bytes;
};

TEST(ThermoFile, AgreesWithTheScanAndTheLookup) {
  const FileCase cases[] = {
      {"usual", "THERMO\n 300 1000 5000\nCH4 x 200 3500 1000 1\n a2\n a3\n a4\nEND\n"},
      {"lower-case header after a preamble, CR only",
       "preamble\rthermo all\rch4 l 200 1\r a2\r a3\r a4\rend\r"},
      {"CR LF and a last line without a line end", "THERMO\r\nO2 a\r\n1\r\n2\r\n3\r\nEND"},
      {"comments inside records and empty line 2",
       "THERMO\nCH4 x\n! c\n !c\n a2\n!\n a3\n a4\nH2 y\n\n b3\n b4\nEND\n"},
      {"repeats: the lookup takes the first", "THERMO\nCH4 1\n1\n2\n3\nCH4 2\n5\n6\n7\nEND\n"},
      {"a name found in the preamble first", "CH4 early\n1\n2\n3\nTHERMO\nCH4 x\n5\n6\n7\nEND\n"},
      {"records after the end line", "THERMO\nA x\n1\n2\n3\nEND\nO2 late\n1\n2\n3\n"},
      {"a record line matching a name", "THERMO\nX y\n-1.0E+00 y\n2\n3\nEND\n"},
      {"names the scan skips", "THERMO\n1-C4H8 x\n1\n2\n3\n (CH2O)3 y\n1\n2\n3\nEND\n"},
      {"empty name and filler", "THERMO\nCH4\n1\n2\n3\n  indented x\n\nEND\n"},
      {"END with a blank is a species", "THERMO\nA x\n1\n2\n3\nEND \n"},
      {"padded end line", "THERMO\nA x\n1\n2\n3\n  END   \n"},
      {"record cut short by the end of the file", "THERMO\nA x\n1\n2\n3\nB y\n1\n! c\n"},
      {"record cut short before END", "THERMO\nA x\n1\nEND\n"},
      {"no header", "CH4 x\n1\n2\n3\nEND\n"},
      {"no end line", "THERMO\nCH4 x\n1\n2\n3\nH2 y\n1\n"},
      {"empty file", ""},
      {"only line ends", "\n\r\n\r\r\n"},
      {"bytes outside ASCII kept", "THERMO\n\xe9T\xc9 x\n1\n2\n3\nEND\n"},
      {"NUL bytes", std::string("THERMO\nA\0B x\n1\n2\n3\nEND\n", 23)},
  };
  TempDir dir;
  int n = 0;
  for (const FileCase& c : cases) {
    ExpectAgreesWithScanAndLookup(dir.Write("f" + std::to_string(n++) + ".dat", c.bytes), c.what);
  }
}

TEST(ThermoFile, AgreesOnTheExamplesAndTheFuzzSeeds) {
  const std::filesystem::path source(TABULON_SOURCE_DIR);
  for (const char* example : {"examples/therm_a.dat", "examples/therm_b.dat"}) {
    ExpectAgreesWithScanAndLookup((source / example).string(), example);
  }
  for (const char* folder : {"name_scan", "record_lookup", "line_reader"}) {
    for (const auto& entry : std::filesystem::directory_iterator(source / "fuzz/seeds" / folder)) {
      ExpectAgreesWithScanAndLookup(entry.path().string(), entry.path().filename().string());
    }
  }
}

TEST(ThermoFile, AgreesOnTheCorpus) {
  TABULON_REQUIRE_CORPUS();
  const std::filesystem::path corpus(CorpusFile(""));
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    if (!entry.is_regular_file() || entry.path().extension() == ".md") continue;
    ExpectAgreesWithScanAndLookup(entry.path().string(), entry.path().filename().string());
    ++files;
  }
  EXPECT_GT(files, 0);
}

TEST(ThermoFile, FilesThatCannotBeReadSayWhyAndFindNothing) {
  TempDir dir;
  std::filesystem::create_directory(dir.File("folder"));
  const std::string fifo = dir.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {dir.File("missing.dat"), dir.File("folder"), fifo}) {
    const ThermoFile file = ThermoFile::Read(path);
    EXPECT_FALSE(file.Readable()) << path;
    EXPECT_EQ(file.Outcome().end, ScanEnd::CannotOpen) << path;
    EXPECT_TRUE(file.Outcome().problem.starts_with("the file cannot be opened: ")) << path;
    EXPECT_TRUE(file.Records().empty());
    EXPECT_EQ(file.Find("CH4"), nullptr);
    EXPECT_FALSE(file.Snapshot().StillCurrent());
  }
}

TEST(ThermoFile, LineNumbersCountEveryKindOfLineEnd) {
  // Line 1 of each record stands on the line given; CR LF is one line end, a lone CR or LF one.
  const std::string bytes = "THERMO\r\n\nA x\r1\r\n2\n3\r\r\nB y\n!\n1\n2\n3\nEND";
  const ThermoFile file = ThermoFile::Of(FileSnapshot::OfBytes("mem", bytes));
  ASSERT_EQ(file.Records().size(), 2u);
  EXPECT_EQ(file.Records()[0].line_number, 3);
  EXPECT_EQ(file.Records()[1].line_number, 8);
  EXPECT_EQ(file.Records()[1].Line(1), "1");
  EXPECT_EQ(file.LineCount(), 13u);
}

TEST(ThermoFile, RecordsAndLookupsOutliveAMove) {
  ThermoFile moved = ThermoFile::Of(FileSnapshot::OfBytes("mem", "THERMO\nA x\n1\n2\n3\nEND\n"));
  const ThermoRecord* before = moved.Find("A");
  ASSERT_NE(before, nullptr);
  const ThermoFile file = std::move(moved);
  EXPECT_EQ(file.Find("A"), before);
  EXPECT_EQ(file.Find("A")->Line(3), "3");
}

TEST(FileSnapshot, KnowsWhenTheFileOnDiskIsNoLongerItsVersion) {
  TempDir dir;
  const std::string path = dir.Write("therm.dat", "THERMO\nA x\n1\n2\n3\nEND\n");
  const FileSnapshot snapshot = FileSnapshot::Take(path);
  ASSERT_TRUE(snapshot.Readable());
  EXPECT_EQ(snapshot.Bytes(), "THERMO\nA x\n1\n2\n3\nEND\n");
  EXPECT_TRUE(snapshot.StillCurrent());

  // Same size, rewritten in place: the status-change time moves even if the mtime were restored.
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  dir.Write("therm.dat", "THERMO\nB x\n1\n2\n3\nEND\n");
  const struct timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  EXPECT_FALSE(snapshot.StillCurrent());
  EXPECT_EQ(snapshot.Bytes(), "THERMO\nA x\n1\n2\n3\nEND\n") << "the bytes stay as they were read";

  std::filesystem::remove(path);
  EXPECT_FALSE(snapshot.StillCurrent());
  EXPECT_FALSE(FileSnapshot::OfBytes("mem", "x").StillCurrent());
}

TEST(SplitLines, FollowsTheLineReader) {
  const std::string texts[] = {"",        "\n",       "\r",        "\r\n",    "a",
                               "a\n",     "a\n\n",    "a\r\r\n",   "a\n\rb",  "\r\n\r\n",
                               "a\rb\nc", "ab\r\ncd", "x\n\r\n\n", "\n\n\nz", "a\r"};
  TempDir dir;
  for (const std::string& text : texts) {
    std::vector<std::string> split;
    for (const LineSpan& span : SplitLines(text)) split.emplace_back(span.In(text));
    EXPECT_EQ(split, ReaderLines(dir.Write("t", text))) << "text of " << text.size() << " bytes";
  }
}

}  // namespace
}  // namespace tabulon
