// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "test_support.h"
#include "thermodb/species_list.h"

namespace tabulon {
namespace {

using Names = std::vector<std::string>;

TEST(SpeciesList, NamesOfAListOrOfAMechanismsSpeciesBlock) {
  struct Case {
    const char* what;
    std::string text;
    Names expected;
  } cases[] = {
      {"blanks, tabs and every line end",
       "ch4 H2O\tco2\r\nN2\rar\n",
       {"CH4", "H2O", "CO2", "N2", "AR"}},
      {"comments and repeats", "CH4 ! methane\n! O2\nch4 H2\n", {"CH4", "H2"}},
      {"empty", "", {}},
      {"a species block, any case, between other blocks",
       "ELEMENTS H O END\nspecies H2 o2 ! oxygen\n  H2O END\nREACTIONS\nH2+O2=H2O 1 0 0\nEND\n",
       {"H2", "O2", "H2O"}},
      {"SPEC, two blocks, the second left open",
       "SPEC A B END\nSPEC C\nREAC\nX=Y 1 0 0",
       {"A", "B", "C"}},
      {"block keywords inside the names' line", "SPECIES CH4 END ELEMENTS C END", {"CH4"}},
      {"odd bytes kept", "(CH2O)3 @#$%^-2 \xe9t\xe9", {"(CH2O)3", "@#$%^-2", "\xe9T\xe9"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(SpeciesNamesIn(c.text), c.expected);
  }
  EXPECT_EQ(SpeciesNamesListed("ch4,H2O,,ch4,"), (Names{"CH4", "H2O"}));
  EXPECT_EQ(SpeciesNamesListed(""), Names{});
}

TEST(SpeciesList, TheSpeciesBlockOfAWholeMechanism) {
  TABULON_REQUIRE_CORPUS("cantera_species_names.inp");
  EXPECT_EQ(SpeciesNamesIn(testing::ReadBytes(testing::CorpusFile("cantera_species_names.inp"))),
            (Names{"(PARENS)", "@#$%^-2", "CO:LONS:", "[XY2]*{.}", "PLUS+", "EQ=UALS", "PLUS",
                   "TRANS_BUTENE", "CO", "AMP&ERSAND"}));
}

}  // namespace
}  // namespace tabulon
