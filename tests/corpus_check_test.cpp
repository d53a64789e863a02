// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "compare/database_check.h"
#include "compare/deviation_scan.h"
#include "compare/record_listing.h"
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

// The counts of the line-1 rules per file, counted by a reading of the columns written apart
// from the code under test: element symbols and counts, columns 46-55, 56-65, 66-73 against
// the tokens, column 80 of lines 2 to 4, the weight from the IUPAC abridged table, blank
// columns 66-73 after two limits and before a line-number tail. Those records read the file's
// default and so give no limits finding.
TEST(CorpusCheck, LineOneRulesFindWhatTheColumnsHold) {
  TABULON_REQUIRE_CORPUS();
  struct Case {
    const char* file;
    std::size_t records;
    int composition, layout, limits, mw_in_common;
    int from_default;  // records whose blank common temperature takes the file's default, 1000
  } cases[] = {
      {"cantera_bad_nasa7_formatting.dat", 6, 0, 3, 0, 0, 0},
      {"cantera_soot_therm.dat", 14, 0, 3, 2, 0, 0},
      {"cantera_thermo_single_Tint.dat", 4, 0, 4, 0, 4, 0},
      {"chemkin_thermdb_782_mpe.dat", 782, 0, 0, 1, 0, 0},
      {"equilib_prime_therm_all.dat", 997, 0, 6, 64, 0, 0},
      {"gri30_thermo.dat", 53, 0, 0, 0, 0, 0},
      {"hp_dme_therm.dat", 295, 2, 0, 0, 0, 1},
      {"llnl_c8c16_nalkanes_lowercase_cr.therm", 7060, 0, 1, 0, 1, 10},
      {"llnl_prf_v3_therm.txt", 1489, 0, 0, 0, 0, 1},
      {"llnl_prf_v3_therm_crlf_pele.dat", 1489, 0, 5, 0, 0, 1},
      {"methylformate_dooley2010_therm.dat", 367, 0, 0, 0, 0, 19},
      {"nasa_glenn_nasathermo_NO_TMID.dat", 1136, 0, 1136, 77, 1045, 0},
      {"nh3_sprays_therm.dat", 624, 3, 0, 2, 0, 0},
      {"sandiego20160815_therm.txt", 105, 0, 0, 0, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const ThermoFile file = ReadCorpusFile(c.file);
    EXPECT_EQ(file.Records().size(), c.records);
    int from_default = 0;
    for (const ThermoRecord& record : file.Records()) {
      if (!record.mid_from_default) continue;
      ++from_default;
      EXPECT_EQ(record.t_mid, 1000) << record.name;
    }
    EXPECT_EQ(from_default, c.from_default);
    std::map<CheckCode, int> counts = CountByCode(CheckRecords(file.Records(), {}));
    EXPECT_EQ(counts[CheckCode::Composition], c.composition);
    EXPECT_EQ(counts[CheckCode::Layout], c.layout);
    EXPECT_EQ(counts[CheckCode::Limits], c.limits);
    EXPECT_EQ(counts[CheckCode::MwInCommon], c.mw_in_common);
  }
}

// Hand-checked records: the columns as written, the weight summed by hand from the table.
TEST(CorpusCheck, RecordRowsOfHandCheckedRecords) {
  TABULON_REQUIRE_CORPUS("gri30_thermo.dat", "llnl_prf_v3_therm.txt",
                         "llnl_c8c16_nalkanes_lowercase_cr.therm",
                         "nasa_glenn_nasathermo_NO_TMID.dat");
  struct Case {
    const char* file;
    const char* name;
    RecordRow row;
  } cases[] = {
      {"gri30_thermo.dat",
       "CH4",
       {"58", "CH4", "L 8/88", "C1H4", "G", "16.043", "200", "1000", "3500", "line"}},
      {"gri30_thermo.dat",
       "AR",
       {"198", "AR", "120186", "Ar1", "G", "39.95", "300", "1000", "5000", "line"}},
      {"llnl_prf_v3_therm.txt",
       "CH4",
       {"119", "CH4", "", "H4C1", "G", "16.043", "300", "1462", "5000", "line"}},
      {"llnl_prf_v3_therm.txt",
       "IC8H18",
       {"4599", "IC8H18", "THERM", "C8H18", "G", "114.232", "300", "1396", "5000", "line"}},
      // A blank common temperature takes the file's default.
      {"llnl_prf_v3_therm.txt",
       "C4H5",
       {"3675", "C4H5", "H6W/94", "C4H5", "G", "53.084", "300", "1000", "3000", "default"}},
      // A comment on line 1 is left out: once read as 0 / 0 / 14.
      {"llnl_c8c16_nalkanes_lowercase_cr.therm",
       "X13CYCHEX5",
       {"18219", "X13CYCHEX5", "t 6/93", "C6H7", "G", "79.122", "200", "1000", "6000", "line"}},
      // An ion: the electron's count is -1.
      {"nasa_glenn_nasathermo_NO_TMID.dat",
       "AL+",
       {"25", "AL+", "J 6/83", "Al1E-1", "G", "26.981451420091", "298.15", "26.98099", "6000",
        "line"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " " + c.name);
    const ThermoFile file = ReadCorpusFile(c.file);
    const ThermoRecord* record = file.Find(c.name);
    ASSERT_NE(record, nullptr);
    const RecordRow row = RowOf(*record);
    EXPECT_EQ(row.line, c.row.line);
    EXPECT_EQ(row.name, c.row.name);
    EXPECT_EQ(row.note, c.row.note);
    EXPECT_EQ(row.formula, c.row.formula);
    EXPECT_EQ(row.phase, c.row.phase);
    EXPECT_EQ(row.mw, c.row.mw);
    EXPECT_EQ(row.t_low, c.row.t_low);
    EXPECT_EQ(row.t_mid, c.row.t_mid);
    EXPECT_EQ(row.t_high, c.row.t_high);
    EXPECT_EQ(row.common_from, c.row.common_from);
  }
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
