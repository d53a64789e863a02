// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "compare/database_check.h"
#include "compare/deviation_scan.h"
#include "test_support.h"
#include "thermodb/text_lines.h"
#include "thermodb/thermo_file.h"
#include "thermodb/thermo_format.h"

namespace tabulon {
namespace {

using testing::CorpusFile;

// A corpus file read whole; the test stops when it did not load, so no check passes on an
// empty list of records.
ThermoFile ReadCorpusFile(const std::string& name) {
  ThermoFile file = ThermoFile::Read(CorpusFile(name));
  EXPECT_FALSE(file.Records().empty()) << name << " gave no records";
  return file;
}

std::map<CheckCode, int> CountByCode(const CheckRun& run) {
  std::map<CheckCode, int> counts;
  for (const CheckFinding& f : run.findings) ++counts[f.code];
  return counts;
}

// Every finding on every database of the corpus names the line where its record begins.
TEST(CorpusCheck, EveryFindingPointsAtItsRecordsFirstLine) {
  TABULON_REQUIRE_CORPUS();
  int files = 0, findings = 0;
  for (const auto& entry : std::filesystem::directory_iterator(CorpusFile(""))) {
    if (!entry.is_regular_file() || entry.path().extension() == ".md") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const ThermoFile file = ThermoFile::Read(entry.path().string());
    const std::string bytes = testing::ReadBytes(entry.path().string());
    const std::vector<LineSpan> lines = SplitLines(bytes);
    const CheckRun run = CheckRecords(file.Records(), {});
    for (const CheckFinding& f : run.findings) {
      ASSERT_GE(f.line, 1);
      ASSERT_LE(std::size_t(f.line), lines.size());
      EXPECT_EQ(RecordWord(lines[std::size_t(f.line - 1)].In(bytes)), f.name) << f.line;
    }
    findings += int(run.findings.size());
    ++files;
  }
  EXPECT_GE(files, 26);
  EXPECT_GT(findings, 0);
}

TEST(CorpusCheck, PlausibleOnKnownFiles) {
  TABULON_REQUIRE_CORPUS("gri30_thermo.dat", "llnl_prf_v3_therm.txt",
                         "methylformate_dooley2010_therm.dat");
  // The canonical GRI-Mech 3.0 thermo is clean.
  const ThermoFile gri30 = ReadCorpusFile("gri30_thermo.dat");
  EXPECT_EQ(gri30.Records().size(), 53u);
  EXPECT_TRUE(CheckRecords(gri30.Records(), {}).findings.empty());
  // 83 names of this LLNL file are defined twice; each second definition is found once.
  const auto prf = CountByCode(CheckRecords(ReadCorpusFile("llnl_prf_v3_therm.txt").Records(), {}));
  EXPECT_EQ(prf.at(CheckCode::DuplicateIdentical) + prf.at(CheckCode::DuplicateConflicting), 83);
  EXPECT_GT(prf.at(CheckCode::DuplicateIdentical), prf.at(CheckCode::DuplicateConflicting));
  // The file with one record of only three lines.
  const auto methyl =
      CountByCode(CheckRecords(ReadCorpusFile("methylformate_dooley2010_therm.dat").Records(), {}));
  EXPECT_EQ(methyl.at(CheckCode::Incomplete), 1);
}

TEST(CorpusDiff, SameDataWithOtherLineEndsDiffersNowhere) {
  TABULON_REQUIRE_CORPUS("llnl_prf_v3_therm.txt", "llnl_prf_v3_therm_crlf_pele.dat");
  const ThermoFile lf = ReadCorpusFile("llnl_prf_v3_therm.txt");
  const ThermoFile crlf = ReadCorpusFile("llnl_prf_v3_therm_crlf_pele.dat");
  const DeviationRun run = ScanDeviations(lf.Records(), crlf.Records());
  EXPECT_GT(run.rows.size(), 1400u);
  for (const DeviationRow& row : run.rows) {
    if (!row.deviation) continue;
    EXPECT_EQ(row.deviation->cp.max, 0) << row.name;
    EXPECT_EQ(row.deviation->h.max, 0) << row.name;
    EXPECT_EQ(row.deviation->s.max, 0) << row.name;
  }
}

TEST(CorpusDiff, TwoEditionsDifferWhereTheyWereRefitted) {
  TABULON_REQUIRE_CORPUS("chemkin2_thermdb_744.dat", "chemkin_thermdb_782_mpe.dat");
  const ThermoFile older = ReadCorpusFile("chemkin2_thermdb_744.dat");
  const ThermoFile newer = ReadCorpusFile("chemkin_thermdb_782_mpe.dat");
  const DeviationRun run = ScanDeviations(older.Records(), newer.Records());
  // Mostly last-digit changes: only a few species differ by more than 0.01 cal/mol/K in Cp.
  int refitted = 0;
  for (const DeviationRow& row : run.rows) {
    if (row.deviation && row.deviation->cp.max > 0.01) ++refitted;
  }
  EXPECT_GT(run.rows.size(), 700u);
  EXPECT_GE(refitted, 1);
  EXPECT_LT(refitted, 20);
}

}  // namespace
}  // namespace tabulon
