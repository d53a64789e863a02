// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/model/temperature_field.h"
#include "common/leading_number.h"
#include "detail_window.h"
#include "test_support.h"

namespace tabulon {
namespace {

using testing::RecordText;

// a1..a7, a'1..a'7, Hf/R. SPLIT's two sets disagree at its common temperature; SMOOTH's agree.
std::vector<std::string> Sets(const char* a1, const char* a6, const char* a7, const char* low_a1,
                              const char* low_a6, const char* low_a7, const char* a5 = "0") {
  return {a1, "0", "0", "0", a5, a6, a7, low_a1, "0", "0", "0", a5, low_a6, low_a7, ""};
}

std::string Database() {
  return "THERMO\r\n" +
         RecordText("SPLIT", "   200.000  3500.000  1000.000",
                    Sets("4", "100", "1", "3.5", "50", "2")) +
         RecordText("SMOOTH", "   200.000  3500.000  1000.000",
                    Sets("4", "100", "1", "4", "100", "1")) +
         RecordText("WARM", "  -100.000  3500.000  1000.000",
                    Sets("4", "100", "1", "4", "100", "1")) +
         RecordText("HUGE", "   200.000  3500.000  1000.000",
                    Sets("4", "100", "1", "4", "100", "1", "1E+300")) +
         RecordText("ODD", "   200.000  3500.000  1000.000",
                    {"4", "0", "0", "0", "0", "100", "1E999", "4", "0", "0", "0", "0", "100",
                     "1E999", ""}) +
         RecordText("EDGE", "   200.000  3500.000  1000.000",
                    Sets("4", "100", "1", "9.0462E+307", "100", "1")) +
         "END\r\n";
}

class TemperatureFields : public ::testing::TestWithParam<Db> {
 protected:
  TemperatureFields() {
    w_.UseDatabase(GetParam(), dir_.Write("therm.dat", Database()),
                   {"SPLIT", "SMOOTH", "WARM", "HUGE", "ODD", "EDGE"});
  }
  DatabaseSide Side() { return SideOf(w_.window, GetParam()); }
  DatabaseSide Other() { return SideOf(w_.window, GetParam() == Db::One ? Db::Two : Db::One); }
  void Show(const char* name) {
    Side().list.SelectByName(name);
    ASSERT_FALSE(Side().Coefficient(0).Text().empty()) << name;
  }
  std::vector<std::string> Results() {
    return {Side().cp_result.Text(), Side().h_result.Text(), Side().s_result.Text()};
  }
  std::vector<std::string> Fields() {
    return {Side().cp_field.Text(), Side().h_field.Text(), Side().s_field.Text()};
  }
  std::vector<TextBox*> SecondBoxes() {
    return {&Side().cp_second, &Side().h_second, &Side().s_second};
  }

  testing::TempDir dir_;
  testing::TestWindow w_;
};

TEST_P(TemperatureFields, ACpTemperatureGivesAllThreePropertiesBeforeTheAssignmentReturns) {
  TABULON_REQUIRE_CORPUS("gri30_thermo.dat");
  w_.UseDatabase(GetParam(), testing::CorpusFile("gri30_thermo.dat"), {"CH4"});
  Show("CH4");
  Side().cp_field.SetText("298.15");
  EXPECT_EQ(Fields(), (std::vector<std::string>{"298.15", "298.15", "298.15"}));
  EXPECT_EQ(Results(), (std::vector<std::string>{" 8.53", "-17.83", " 44.54"}));
  for (TextBox* second : SecondBoxes()) EXPECT_FALSE(second->Visible());
  EXPECT_EQ(Other().cp_result.Text() + Other().h_result.Text() + Other().s_result.Text(), "");

  // Each keystroke is a change: H and S follow every one.
  Show("CH4");
  for (const char* typed : {"1", "10", "100", "1000"}) {
    Side().cp_field.SetText(typed);
    EXPECT_EQ(Fields(), (std::vector<std::string>(3, typed)));
  }
  EXPECT_EQ(Results(), (std::vector<std::string>{" 17.59", "-8.592", " 59.34"}));
  EXPECT_EQ(Side().cp_second.Text(), " 17.59");

  // A typed H or S temperature changes only its own property.
  Side().h_field.SetText("500");
  EXPECT_EQ(Results()[0], " 17.59");
  EXPECT_EQ(Side().s_field.Text(), "1000");
  EXPECT_NE(Results()[1], "-8.592");
}

TEST_P(TemperatureFields, ShowsBothSetsAtTheCommonTemperatureRedWhenTheyDisagree) {
  Show("SPLIT");
  Side().cp_field.SetText("1000");
  for (TextBox* second : SecondBoxes()) {
    EXPECT_TRUE(second->Visible()) << second->Name();
    EXPECT_EQ(second->ForeColour(), Colour::Red) << second->Name();
  }
  EXPECT_EQ(Results()[0], " 7.949");             // 4 R from the high set
  EXPECT_EQ(Side().cp_second.Text(), " 6.955");  // 3.5 R from the low set

  Side().cp_field.SetText("1000.5");
  for (TextBox* second : SecondBoxes()) {
    EXPECT_FALSE(second->Visible()) << second->Name();
    EXPECT_EQ(second->ForeColour(), Colour::ButtonText) << second->Name();
  }

  Show("SMOOTH");
  Side().cp_field.SetText("1000");
  for (TextBox* second : SecondBoxes()) {
    EXPECT_TRUE(second->Visible()) << second->Name();
    EXPECT_EQ(second->ForeColour(), Colour::ButtonText) << second->Name();
  }
  EXPECT_EQ(Side().s_second.Text(), Results()[2]);
}

TEST_P(TemperatureFields, OutsideTheRangeShowsXxxAndZeroShowsNothing) {
  struct Case {
    const char* text;
    const char* result;
  };
  Show("SPLIT");
  Side().cp_field.SetText("300");
  const std::vector<std::string> at_300 = Results();
  for (const Case& c :
       {Case{"199.9", "xxx"}, Case{"3501", "xxx"}, Case{"", ""}, Case{"abc", ""}, Case{"0", ""}}) {
    Side().cp_field.SetText(c.text);
    EXPECT_EQ(Results(), (std::vector<std::string>(3, c.result))) << c.text;
  }
  Side().cp_field.SetText("300K");
  EXPECT_EQ(Results(), at_300);
}

TEST_P(TemperatureFields, TheGasConstantIsTheWindowsOwn) {
  Show("SMOOTH");
  w_.window.common.RGas = 2.0f;
  Side().cp_field.SetText("300");
  EXPECT_EQ(Results()[0], " 8");
}

TEST_P(TemperatureFields, WithoutASpeciesOnlyTheSecondBoxIsReset) {
  Side().cp_result.SetText("kept");
  Side().cp_second.SetVisible(true);
  Side().cp_second.SetForeColour(Colour::Red);
  w_.window.THERMIMG.SetVisible(true);
  Side().cp_field.SetText("300");
  EXPECT_EQ(Side().cp_result.Text(), "kept");
  EXPECT_EQ(Side().h_field.Text(), "");
  EXPECT_FALSE(Side().cp_second.Visible());
  EXPECT_EQ(Side().cp_second.ForeColour(), Colour::ButtonText);
  EXPECT_FALSE(w_.window.THERMIMG.Visible());
}

// WARM's low range reaches below 0 K, so T = 0 is evaluated: H divides by zero (told), S takes
// the logarithm of 0 (silent). Both result boxes keep their earlier texts.
TEST_P(TemperatureFields, ADivisionByZeroIsToldOtherFailuresAreSilent) {
  Show("WARM");
  Side().cp_field.SetText("300");
  const std::vector<std::string> at_300 = Results();
  Side().cp_field.SetText("");
  EXPECT_EQ(Results(), (std::vector<std::string>{"", at_300[1], at_300[2]}));
  ASSERT_EQ(w_.platform.messages.size(), 1u);
  const Message& message = w_.platform.messages[0];
  EXPECT_EQ(message.title, "Missing information...");
  EXPECT_EQ(message.icon, MessageIcon::Error);
  EXPECT_EQ(message.text,
            "Division by zero\r\nTABULON has detected a problem.\r\n"
            "Some information is missing in your database.\r\n"
            "Please check your database content (see temperatures etc.)\r\n"
            "Please, Close Tabulon first.");
  ASSERT_EQ(w_.platform.silent_failures.size(), 1u);
  EXPECT_EQ(w_.platform.silent_failures[0].command, Side().s_field.Name());
  EXPECT_EQ(w_.platform.silent_failures[0].kind, FailureKind::InvalidArgument);

  // An overflow stops the Cp reaction before it passes its text on.
  Show("HUGE");
  Side().cp_field.SetText("300");
  EXPECT_EQ(Fields(), (std::vector<std::string>{"300", "", ""}));
  Side().cp_field.SetText("1E999");
  ASSERT_EQ(w_.platform.silent_failures.size(), 3u);
  for (int i : {1, 2}) {
    EXPECT_EQ(w_.platform.silent_failures[i].command, Side().cp_field.Name());
    EXPECT_EQ(w_.platform.silent_failures[i].kind, FailureKind::Overflow);
  }
  EXPECT_EQ(w_.platform.messages.size(), 1u);
}

// ODD's a7 boxes hold a text beyond the double range: only S, the one property that reads a7,
// fails.
TEST_P(TemperatureFields, EachPropertyReadsOnlyItsOwnCoefficients) {
  Show("ODD");
  Side().cp_field.SetText("300");
  EXPECT_EQ(Results(), (std::vector<std::string>{" 7.949", " 2.583", ""}));
  ASSERT_EQ(w_.platform.silent_failures.size(), 1u);
  EXPECT_EQ(w_.platform.silent_failures[0].command, Side().s_field.Name());
  EXPECT_EQ(w_.platform.silent_failures[0].kind, FailureKind::Overflow);
}

// EDGE's low set gives a Cp at its common temperature just below the largest double, which
// rounds to four digits beyond it: the second value cannot be written, and the second box must
// not show the text of an earlier species instead.
TEST_P(TemperatureFields, ASecondValueThatCannotBeWrittenLeavesTheSecondBoxHidden) {
  Show("SPLIT");
  Side().cp_field.SetText("1000");
  ASSERT_EQ(Side().cp_second.Text(), " 6.955");
  Show("EDGE");
  Side().cp_field.SetText("1000");
  EXPECT_EQ(Side().cp_result.Text(), " 7.949");
  EXPECT_FALSE(Side().cp_second.Visible());
  ASSERT_EQ(w_.platform.silent_failures.size(), 1u);
  EXPECT_EQ(w_.platform.silent_failures[0].command, Side().cp_field.Name());
  EXPECT_EQ(w_.platform.silent_failures[0].kind, FailureKind::Overflow);
}

TEST(MissingInformationText, OnlyTheDb2EntropyMessageHasAnEmptyLineBeforeItsLast) {
  const std::string usual =
      "D\nTABULON has detected a problem.\nSome information is missing in your database.\n"
      "Please check your database content (see temperatures etc.)\n";
  for (Db db : {Db::One, Db::Two}) {
    for (Property property : {Property::Cp, Property::H, Property::S}) {
      const bool spaced = db == Db::Two && property == Property::S;
      EXPECT_EQ(MissingInformationText(db, property, "D", "\n"),
                usual + (spaced ? "\n" : "") + "Please, Close Tabulon first.");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BothDatabases, TemperatureFields, ::testing::Values(Db::One, Db::Two),
                         [](const auto& info) { return info.param == Db::One ? "DB1" : "DB2"; });

// NIST-JANAF values at 298.15 K and 1000 K (Cp and S in J/mol/K, H = dfH(298.15) + H - H(298.15)
// in kJ/mol), against the GRI-Mech 3.0 fits shown through the window. The fits follow the
// tables to within a few per cent (CH4's Cp at 1000 K is the worst, 2.5 %).
TEST(TemperatureFieldsOnRealData, FollowTheJanafTables) {
  TABULON_REQUIRE_CORPUS("gri30_thermo.dat");
  struct Reference {
    const char* name;
    const char* t;
    double cp, h, s;
  };
  const Reference references[] = {
      {"CH4", "298.15", 35.639, -74.873, 186.251},  {"CH4", "1000", 71.795, -36.694, 247.549},
      {"H2O", "298.15", 33.590, -241.826, 188.834}, {"H2O", "1000", 41.268, -215.826, 232.738},
      {"CO2", "298.15", 37.129, -393.522, 213.795}, {"CO2", "1000", 54.308, -360.125, 269.299},
      {"O2", "298.15", 29.376, 0, 205.147},         {"O2", "1000", 34.870, 22.703, 243.578},
      {"OH", "298.15", 29.986, 38.987, 183.708},    {"CO", "1000", 33.183, -88.837, 234.538},
  };
  constexpr double kJoulesPerCalorie = 4.184;
  testing::TestWindow w;
  w.UseDatabase(Db::One, testing::CorpusFile("gri30_thermo.dat"),
                {"CH4", "H2O", "CO2", "O2", "OH", "CO"});
  for (const Reference& r : references) {
    SCOPED_TRACE(std::string(r.name) + " at " + r.t);
    w.window.LOS1.SelectByName(r.name);
    w.window.TXT1K.SetText(r.t);
    EXPECT_NEAR(LeadingNumber(w.window.TXT1CP.Text()), r.cp / kJoulesPerCalorie,
                0.03 * r.cp / kJoulesPerCalorie);
    EXPECT_NEAR(LeadingNumber(w.window.TXT1H.Text()), r.h / kJoulesPerCalorie, 0.25);
    EXPECT_NEAR(LeadingNumber(w.window.TXT1S.Text()), r.s / kJoulesPerCalorie,
                0.01 * r.s / kJoulesPerCalorie);
  }
}

}  // namespace
}  // namespace tabulon
