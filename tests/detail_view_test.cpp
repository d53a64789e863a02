// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/model/detail_view.h"
#include "app/model/frame_species.h"
#include "detail_window.h"
#include "test_support.h"

namespace tabulon {
namespace {

using testing::RecordText;

const std::vector<std::string> kFields = {"1.65326226E+00",
                                          "-2.46617581E-02",
                                          "0.5",
                                          "1.23456789D-05",
                                          "",  // a1 to a5
                                          "abc",
                                          "-0.0",
                                          "2.5",
                                          "2.6",
                                          "2.7",  // a6, a7, a'1 to a'3
                                          "2.8",
                                          "2.9",
                                          "3.0",
                                          "3.1",
                                          "-8.95E+03"};  // a'4 to a'7, Hf/R
const std::vector<std::string> kShownTexts = {"1.65326226E+00",
                                              "-2.46617581E-02",
                                              "5.00000000E-01",
                                              "1.23456789E-05",
                                              "",
                                              "abc",
                                              "0.00000000E+00",
                                              "2.50000000E+00",
                                              "2.60000000E+00",
                                              "2.70000000E+00",
                                              "2.80000000E+00",
                                              "2.90000000E+00",
                                              "3.00000000E+00",
                                              "3.10000000E+00"};
const std::vector<std::string> kOtherFields(15, "7.0");

std::string Database() {
  return "THERMO\r\n   300.000  1000.000  5000.000\r\n" +
         RecordText("SPECIES", "   200.000  3500.000  1000.000", kFields) +
         RecordText("OTHER", "   300.000  5000.000  1390.000", kOtherFields) +
         RecordText("COLD", "     0.000  3500.000  1000.000", kOtherFields) + "END\r\n";
}

class DetailView : public ::testing::TestWithParam<Db> {
 protected:
  DetailView() {
    path_ = dir_.Write("therm.dat", Database());
    for (Db db : {Db::One, Db::Two}) {
      w_.UseDatabase(db, path_, {"SPECIES", "OTHER", "COLD", "GONE", ""});
    }
  }
  DatabaseSide Side() { return SideOf(w_.window, GetParam()); }
  // Shows OTHER with its Cp, H and S at its common temperature, so that each test sees what a
  // selection changes.
  void ShowOther() {
    Side().list.SelectByName("OTHER");
    Side().cp_field.SetText("1390");
    ASSERT_TRUE(Side().cp_second.Visible());
    ASSERT_EQ(Side().Coefficient(0).Text(), "7.00000000E+00");
  }
  void ExpectFieldsAndResultsEmpty() {
    const DatabaseSide side = Side();
    for (TextBox* box : {&side.cp_field, &side.h_field, &side.s_field, &side.cp_result,
                         &side.h_result, &side.s_result}) {
      EXPECT_EQ(box->Text(), "") << box->Name();
    }
    for (TextBox* box : {&side.cp_second, &side.h_second, &side.s_second}) {
      EXPECT_FALSE(box->Visible()) << box->Name();
    }
  }
  void ExpectLabels(const char* lbl8, const char* high_range, const char* low_range) {
    EXPECT_EQ(Side().limits_label.Caption(), lbl8);
    EXPECT_EQ(Side().high_range_label.Caption(), high_range);
    EXPECT_EQ(Side().low_range_label.Caption(), low_range);
  }
  const std::vector<std::string> kEmpty = std::vector<std::string>(14);
  Db OtherDb() { return GetParam() == Db::One ? Db::Two : Db::One; }
  bool One() { return GetParam() == Db::One; }

  testing::TempDir dir_;
  testing::TestWindow w_;
  std::string path_;
};

TEST_P(DetailView, ShowsTheSelectedSpecies) {
  ShowOther();
  w_.window.PropTxt[3].SetBackColour(Colour::Yellow);
  w_.window.THERMIMG.SetVisible(true);
  Side().list.SelectByName("SPECIES");

  ExpectLabels(" 200    3500    1000",
               One() ? " 1000  <= T (high) <  3500" : " 1000 <= T (high) <  3500",
               " 200 < T (Low) <=  1000");
  EXPECT_EQ(Side().t_low, " 200");
  EXPECT_EQ(Side().t_high, " 3500");
  EXPECT_EQ(Side().t_mid, " 1000");
  EXPECT_EQ(w_.CoefficientTexts(GetParam()), kShownTexts);
  EXPECT_EQ(w_.CoefficientTexts(OtherDb()), kEmpty);  // the other side is untouched
  EXPECT_EQ(Side().hf_box.Text(), "");
  ExpectFieldsAndResultsEmpty();
  EXPECT_TRUE(SpeciesShown(Side()));
  EXPECT_EQ(Side().species_label.Caption(),
            "SPECIES (line 3)  no composition  weight unknown  no phase");
  EXPECT_EQ(SideOf(w_.window, OtherDb()).species_label.Caption(), "");
  EXPECT_FALSE(w_.window.THERMIMG.Visible());
  // Only a DB #1 selection removes the highlight of differing coefficients.
  EXPECT_EQ(w_.window.PropTxt[3].BackColour(), One() ? Colour::Window : Colour::Yellow);
  EXPECT_TRUE(w_.platform.messages.empty());

  Side().hf_check.SetChecked(true);
  Side().list.SelectByName("SPECIES");
  EXPECT_EQ(Side().hf_box.Text(), "-8.95000000E+03");
}

// A refused species shows its limits, so the user sees why, but no coefficients: nothing can
// then be computed from the previous species' coefficients under its name.
TEST_P(DetailView, RefusesASpeciesWithALimitOfZero) {
  ShowOther();
  Side().hf_check.SetChecked(true);
  Side().list.SelectByName("OTHER");
  ASSERT_NE(Side().hf_box.Text(), "");
  Side().list.SelectByName("COLD");

  ASSERT_EQ(w_.platform.messages.size(), 1u);
  const Message& message = w_.platform.messages[0];
  EXPECT_EQ(message.title, One() ? "Check temperature  DB #1" : "Check temperature DB #2");
  EXPECT_EQ(message.icon, MessageIcon::Information);
  EXPECT_EQ(
      message.text,
      "\r\nTABULON has detected a problem.\r\nPlease check the temperatures for this species.");
  ExpectLabels(" 0    3500    1000",
               One() ? " 1000  <= T (high) <  3500" : " 1000 <= T (high) <  3500",
               " 0 < T (Low) <=  1000");
  EXPECT_EQ(Side().t_low, " 0");
  EXPECT_EQ(w_.CoefficientTexts(GetParam()), kEmpty);
  EXPECT_EQ(Side().hf_box.Text(), "");
  ExpectFieldsAndResultsEmpty();
  EXPECT_FALSE(SpeciesShown(Side()));
  EXPECT_EQ(Side().species_label.Caption(),
            "COLD (line 11)  no composition  weight unknown  no phase, its temperatures refused");

  // The check reads line 1 only, so it refuses a record that also ends too early.
  std::string cold = RecordText("COLD", "     0.000  3500.000  1000.000", kOtherFields);
  dir_.Write("therm.dat", "THERMO\r\n" + cold.substr(0, cold.find("\r\n") + 2));
  Side().list.SelectByName("COLD");
  EXPECT_EQ(w_.platform.messages.size(), 2u);
  EXPECT_EQ(Side().t_low, " 0");
}

TEST_P(DetailView, EmptiesTheViewWhenTheRecordCannotBeRead) {
  struct Case {
    const char* what;
    std::function<void()> arrange;
    const char* name;
  };
  const Case cases[] = {
      {"empty name", [] {}, ""},
      {"name no longer in the file", [] {}, "GONE"},
      {"record ending before line 4",
       [&] {
         std::string text = RecordText("OTHER", "   300.000  5000.000  1390.000", kOtherFields);
         dir_.Write("therm.dat",
                    "THERMO\r\n" + text.substr(0, text.rfind("\r\n", text.size() - 3) + 2));
       },
       "OTHER"},
      {"file removed", [&] { std::filesystem::remove(path_); }, "OTHER"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    dir_.Write("therm.dat", Database());
    Side().hf_check.SetChecked(true);
    ShowOther();
    c.arrange();
    Side().list.SelectByName(c.name);
    ExpectLabels("", "", "");
    EXPECT_EQ(Side().t_low + Side().t_high + Side().t_mid, "");
    EXPECT_EQ(w_.CoefficientTexts(GetParam()), kEmpty);
    EXPECT_EQ(Side().hf_box.Text(), "");
    ExpectFieldsAndResultsEmpty();
    EXPECT_FALSE(SpeciesShown(Side()));
    EXPECT_EQ(Side().species_label.Caption(), "");
    EXPECT_TRUE(w_.platform.messages.empty());
  }
}

// The caption names the record and its line, then its formula, weight and phase as line 1 gives
// them; a name is as long as its line, and the caption keeps its first 100 bytes.
TEST(FrameSpeciesCaption, NamesTheSpeciesItsLineAndWhatLine1SaysOfIt) {
  // Columns 25-44 the composition, 45 the phase; H 1.0080, C 12.011, O 15.999 g/mol.
  const std::string ch4 =
      "CH4               JANAF C   1H   4          G   200.000  5000.000 1000.00      1";
  const std::string oh =
      "OH                JANAF O   1H   1          L     0.000  5000.000 1000.00      1";
  const auto named = [](std::size_t bytes) { return std::string(bytes, 'C') + " 300 5000 1000 1"; };
  const struct {
    std::string line1;
    DetailOutcome outcome;
    std::string expected;
    bool whole;  // the whole caption, or only its start (a long name's columns are no fields)
  } cases[] = {
      {ch4, DetailOutcome::Shown, "CH4 (line 7)  C1 H4  16.043 g/mol  gas", true},
      {oh, DetailOutcome::Refused,
       "OH (line 7)  O1 H1  17.007 g/mol  liquid, its temperatures refused", true},
      {ch4, DetailOutcome::NotShown, "", true},
      {named(99), DetailOutcome::Shown, std::string(99, 'C') + " (line 7)  ", false},
      {named(100), DetailOutcome::Shown, std::string(100, 'C') + " (line 7)  ", false},
      {named(101), DetailOutcome::Shown, std::string(100, 'C') + "... (line 7)  ", false},
  };
  for (const auto& c : cases) {
    const ThermoRecord record = ParseThermoRecord({c.line1, "", "", ""}, 1, 7);
    const std::string caption = FrameSpeciesCaption(c.outcome, &record);
    EXPECT_EQ(c.whole ? caption : caption.substr(0, c.expected.size()), c.expected) << c.line1;
  }
  EXPECT_EQ(FrameSpeciesCaption(DetailOutcome::Shown, nullptr), "");
}

INSTANTIATE_TEST_SUITE_P(BothDatabases, DetailView, ::testing::Values(Db::One, Db::Two),
                         [](const auto& info) { return info.param == Db::One ? "DB1" : "DB2"; });

}  // namespace
}  // namespace tabulon
