// SPDX-License-Identifier: GPL-3.0-or-later
// Comparisons of real databases through tabulon-batch compare: no crash, and reports whose
// structure holds together. DB #1 is copied into a temporary directory, since the reports are
// written next to it and the corpus is never written to.
#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "batch_run.h"
#include "common/ascii_text.h"
#include "compare_fixture.h"

namespace tabulon {
namespace {

using testing::BatchRun;
using testing::CorpusFile;
using testing::LoadDatabaseFile;
using testing::ReadBytes;
using testing::ReportLines;
using testing::RunBatch;
using testing::TempDir;
using testing::TestWindow;

// "common (43)" -> 43
int CaptionCount(const std::string& line) {
  return std::stoi(line.substr(line.find('(') + 1));
}

// Walks Comp.txt and checks its sections against the counts that the window showed. Returns
// the number of coefficient and Hf/R rows of each common species block, in order.
std::vector<int> CheckCompReport(const std::vector<std::string>& lines, const std::string& db1,
                                 const std::string& db2, const std::map<std::string, int>& n) {
  std::vector<int> rows_per_species;
  std::size_t at = 0;
  auto next = [&]() -> const std::string& {
    EXPECT_LT(at, lines.size());
    return lines[std::min(at++, lines.size() - 1)];
  };
  EXPECT_EQ(next(), "DB #1: " + db1 + "\t " + std::to_string(n.at("DB1")) + " Species");
  EXPECT_EQ(next(), "DB #2: " + db2 + "\t " + std::to_string(n.at("DB2")) + " Species");
  EXPECT_EQ(next(), "");
  for (const char* side : {"1", "2"}) {
    const bool first = side[0] == '1';
    EXPECT_EQ(next(), std::string("List of species in DB # ") +
                          (first ? "1 but not in DB # 2" : "2 but not in DB # 1") + "    " +
                          std::to_string(n.at(first ? "only1" : "only2")));
    EXPECT_EQ(next(), std::string(43, '~'));
    // Record blocks of four lines, their names in list order, until the two empty lines.
    std::string previous_name;
    int blocks = 0;
    while (at < lines.size() && !lines[at].empty()) {
      const std::string name = lines[at].substr(0, lines[at].find(' '));
      EXPECT_LE(previous_name, name);
      EXPECT_EQ(name, UpperAscii(name));  // line 1 stands upper-cased
      previous_name = name;
      at += 4;
      ++blocks;
    }
    EXPECT_LE(blocks, n.at(first ? "only1" : "only2"));
    for (const char* expected : {"", "", "*-----------------------------------------*", "", ""}) {
      EXPECT_EQ(next(), expected);
    }
  }
  EXPECT_EQ(next(), "List of common species    " + std::to_string(n.at("common")));
  EXPECT_EQ(next(), std::string(43, '~'));
  next();
  next();
  EXPECT_EQ(next(), "Coef // Mech1         | Mech2    ");
  const std::regex row(R"((a[1-7]|a'[1-7]|Ravuva's Heat of Formation) // .*     \|     .*)");
  while (at + 1 < lines.size()) {
    EXPECT_FALSE(std::regex_match(lines[at], row)) << "a row without its species: " << lines[at];
    ++at;  // the name line
    int rows = 0;
    while (at + 1 < lines.size() && std::regex_match(lines[at], row)) {
      EXPECT_EQ(lines[at + 1], "");
      at += 2;
      ++rows;
    }
    rows_per_species.push_back(rows);
  }
  EXPECT_EQ(lines.back(), "");
  EXPECT_EQ(static_cast<int>(rows_per_species.size()), n.at("common"));
  return rows_per_species;
}

// Checks Comp2.txt: heading, then blocks of a temperature line, the column line and one line of
// ten fields per common species, two one-blank lines between blocks. A complete report has
// 14 + 3N lines; one that ended early stops after a complete line.
void CheckPropertyReport(const std::vector<std::string>& lines, int common, bool complete) {
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[2], "Cp (cal/mol/K), S (cal/mol/K), H (kcal/mol)");
  EXPECT_EQ(lines.back(), "");
  const std::size_t written = lines.size() - 1;
  if (complete) {
    EXPECT_EQ(written, static_cast<std::size_t>(14 + 3 * common));
  } else {
    EXPECT_LT(written, static_cast<std::size_t>(14 + 3 * common));
  }
  const std::size_t block = static_cast<std::size_t>(common) + 4;  // with its two blank lines
  for (std::size_t i = 4; i < written; ++i) {
    const std::size_t in_block = (i - 4) % block;
    if (in_block == 0) {
      EXPECT_TRUE(lines[i].starts_with("T (K) = ") && lines[i].ends_with(std::string(9, '\t')));
    } else if (in_block == 1) {
      EXPECT_EQ(lines[i], "Species\tCp1\tCp2\tCp1/Cp2\tH1\tH2\tH1/H2\tS1\tS2\tS1/S2");
    } else if (in_block < block - 2) {
      EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), '\t'), 9) << lines[i];
    } else {
      EXPECT_EQ(lines[i], " ");
    }
  }
}

struct Pair {
  const char* db1;
  const char* db2;
  bool both_load = true;
};

TEST(CorpusCompare, RealDatabasePairsGiveWellFormedReports) {
  TABULON_REQUIRE_CORPUS();
  const Pair pairs[] = {
      {"gri30_thermo.dat", "sandiego20160815_therm.txt"},
      {"chemkin2_thermdb_744.dat", "chemkin_thermdb_782_mpe.dat"},
      {"llnl_prf_v3_therm.txt", "llnl_prf_v3_therm_crlf_pele.dat"},
      {"llnl_nheptane_v2_lowercase.txt", "llnl_nheptane_v2_upper_crlf.dat"},
      {"llnl_c8c16_nalkanes_lowercase_cr.therm", "llnl_prf_v3_therm.txt"},
      {"llnl_nheptane_v2_upper_crlf.dat", "llnl_c8c16_nalkanes_lowercase_cr.therm"},
      {"gri30_thermo.dat", "gri30_thermo_Tlow200_itv.dat"},
      {"equilib_prime_therm_all.dat", "gri30_thermo.dat", false},  // no END line
  };
  int property_reports = 0;
  for (const Pair& pair : pairs) {
    SCOPED_TRACE(std::string(pair.db1) + " against " + pair.db2);
    TempDir dir;
    const std::string db1 = dir.Write(pair.db1, ReadBytes(CorpusFile(pair.db1)));
    const std::string db2 = CorpusFile(pair.db2);
    const BatchRun run = RunBatch({"compare", db1, db2, "--hf"}, dir);
    ASSERT_TRUE(run.status == 0 || run.status == 1) << run.err;

    std::map<std::string, int> counts;
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = run.out.find('\n', start)) != std::string::npos;
         start = end + 1) {
      lines.push_back(run.out.substr(start, end - start));
    }
    ASSERT_EQ(lines.size(), 7u) << run.out;
    for (int i = 0; i < 5; ++i) {
      counts[lines[i].substr(0, lines[i].find(' '))] = CaptionCount(lines[i]);
    }
    ASSERT_EQ(counts["DB1"] > 0 && counts["DB2"] > 0, pair.both_load) << run.out << run.err;
    if (lines[5] != "msglbl1: Output copied to: Comp.txt") continue;  // a load or a pruning failed

    CheckCompReport(ReportLines(ReadBytes(dir.File("Comp.txt"))), db1, db2, counts);
    if (counts["common"] == 0) continue;
    const bool complete = lines[6] == "msglbl2: Output copied to: Comp2.txt";
    EXPECT_EQ(run.status, complete ? 0 : 1);
    CheckPropertyReport(ReportLines(ReadBytes(dir.File("Comp2.txt"))), counts["common"], complete);
    ++property_reports;
  }
  EXPECT_EQ(property_reports, 7);  // all but equilib_prime, which has no END line
}

// The rows of each common species are its differing coefficients: as many as the yellow boxes
// that a click on the species in LOS3 shows.
TEST(CorpusCompare, ReportRowsMatchTheHighlightedCoefficients) {
  TABULON_REQUIRE_CORPUS("gri30_thermo.dat", "sandiego20160815_therm.txt",
                         "chemkin2_thermdb_744.dat", "chemkin_thermdb_782_mpe.dat");
  for (const Pair& pair : {Pair{"gri30_thermo.dat", "sandiego20160815_therm.txt"},
                           Pair{"chemkin2_thermdb_744.dat", "chemkin_thermdb_782_mpe.dat"}}) {
    SCOPED_TRACE(pair.db1);
    TempDir dir;
    TestWindow t;
    MainWindowModel& w = t.window;
    const std::string db1 = dir.Write(pair.db1, ReadBytes(CorpusFile(pair.db1)));
    LoadDatabaseFile(t, Db::One, db1);
    LoadDatabaseFile(t, Db::Two, CorpusFile(pair.db2));
    ASSERT_TRUE(t.platform.silent_failures.empty());
    ASSERT_GT(w.common.DB1Count, 0);
    ASSERT_GT(w.common.DB2Count, 0);
    w.CMD3.Click();
    ASSERT_EQ(w.msglbl1.Caption(), "Output copied to: Comp.txt");

    const std::map<std::string, int> counts = {{"DB1", w.common.DB1Count},
                                               {"DB2", w.common.DB2Count},
                                               {"common", w.common.CommonCount},
                                               {"only1", w.common.Only1Count},
                                               {"only2", w.common.Only2Count}};
    const std::vector<int> rows = CheckCompReport(ReportLines(ReadBytes(dir.File("Comp.txt"))), db1,
                                                  CorpusFile(pair.db2), counts);
    int differing_species = 0;
    for (int i = 0; i < w.LOS3.Count() && i < static_cast<int>(rows.size()); ++i) {
      w.LOS3.ClickAt(i);
      int yellow = 0;
      for (int k = 0; k < 14; ++k) yellow += w.PropTxt[k].BackColour() == Colour::Yellow;
      EXPECT_EQ(rows[static_cast<std::size_t>(i)], yellow) << w.LOS3.Item(i);
      differing_species += yellow > 0;
    }
    EXPECT_GT(differing_species, 0);
  }
}

}  // namespace
}  // namespace tabulon
