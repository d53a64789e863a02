// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "app/model/main_window_model.h"
#include "app/model/scripted_platform.h"
#include "test_support.h"

namespace tabulon {
namespace {

using testing::CorpusFile;

struct CorpusCase {
  const char* file;
  bool loads;
  const char* caption;  // List1Nbr afterwards
  int entries;          // LOS1 entries afterwards (none when the load failed)
};

// Every database of the corpus, loaded as DB #1. The numbers were checked against an
// independent scan of each file (a text-tool reading of the same rules).
TEST(CorpusLoading, EveryFileLoadsOrFailsAsTheRulesSay) {
  TABULON_REQUIRE_CORPUS();
  const CorpusCase cases[] = {
      {"backslash_lines_therm.dat", false, "(0)", 0},  // no THERMO line
      {"cantera_bad_nasa7_formatting.dat", true, "(6)", 6},
      {"cantera_dummy_thermo.dat", true, "(19)", 19},
      {"cantera_soot_therm.dat", true, "(12)", 12},
      {"cantera_species_names.inp", true, "(8)", 8},  // "thermo" inside a whole mechanism
      {"cantera_thermo_single_Tint.dat", true, "(4)", 4},
      {"chemkin2_thermdb_744.dat", true, "(744)", 744},  // (CH2O)3, (CH3)2SICH2
      {"chemkin_thermdb_782_mpe.dat", true, "(782)", 782},
      {"equilib_prime_therm_all.dat", false, "(0)", 0},  // no END
      {"gri12_thermo12.dat", true, "(32)", 32},
      {"gri30_thermo.dat", true, "(53)", 53},
      {"gri30_thermo30_noheader.dat", false, "(0)", 0},
      {"gri30_thermo_Tlow200_itv.dat", true, "(53)", 53},
      {"hp_dme_therm.dat", true, "(267)", 267},                          // "THERMO ALL" on line 12
      {"iso_cetane_ic16_therm.dat", false, "(0)", 0},                    // no END
      {"jetsurf_dodecane_wang_ENDOFDATA.txt", false, "(0)", 0},          // ENDOFDATA is no end line
      {"llnl_c8c16_nalkanes_lowercase_cr.therm", true, "(6910)", 6910},  // CR line ends;
      // 336 names begin with a digit or "("
      {"llnl_nheptane_v2_lowercase.txt", true, "(566)", 566},
      {"llnl_nheptane_v2_upper_crlf.dat", true, "(573)", 573},    // 574 records, one pair
      {"llnl_prf_v3_therm.txt", true, "(1406)", 1406},            // 1489 records, 83 pairs
      {"llnl_prf_v3_therm_crlf_pele.dat", true, "(1406)", 1406},  // the same in CR LF
      {"methylformate_dooley2010_therm.dat", true, "(359)", 359},
      {"nasa_glenn_nasathermo_NO_TMID.dat", true, "(1128)", 1128},
      {"nh3_sprays_therm.dat", true, "(624)", 624},
      {"nh3_stagni2023_cej_therm.dat", true, "(31)", 31},  // " THERMO", no final line end
      {"sandiego20160815_therm.txt", true, "(103)", 103},
  };
  for (const CorpusCase& c : cases) {
    ScriptedPlatform platform;
    MainWindowModel window{platform};
    window.Load();
    platform.file_answers = {CorpusFile(c.file)};
    window.CMD1.Click();

    // A failed load says so in an error message.
    EXPECT_EQ(platform.messages.empty(), c.loads) << c.file;
    EXPECT_EQ(window.List1Nbr.Caption(), c.caption) << c.file;
    const std::vector<std::string>& names = window.LOS1.Items();
    EXPECT_EQ(static_cast<int>(names.size()), c.entries) << c.file;
    EXPECT_EQ(window.common.DB1Count, c.entries) << c.file;
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end())) << c.file;
    EXPECT_EQ(window.Lbl1.Caption().empty(), !c.loads) << c.file;
  }
}

TEST(CorpusLoading, LineEndsDoNotChangeTheList) {
  TABULON_REQUIRE_CORPUS("llnl_prf_v3_therm.txt", "llnl_prf_v3_therm_crlf_pele.dat");
  ScriptedPlatform platform;
  MainWindowModel window{platform};
  window.Load();
  platform.file_answers = {CorpusFile("llnl_prf_v3_therm.txt"),
                           CorpusFile("llnl_prf_v3_therm_crlf_pele.dat")};
  window.CMD1.Click();
  window.CMD2.Click();
  ASSERT_TRUE(platform.silent_failures.empty());
  ASSERT_EQ(window.List1Nbr.Caption(), "(1406)");
  ASSERT_EQ(window.List2Nbr.Caption(), "(1406)");
  EXPECT_EQ(window.LOS1.Items(), window.LOS2.Items());
}

}  // namespace
}  // namespace tabulon
