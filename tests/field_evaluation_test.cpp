// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <string>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

#include "properties/field_evaluation.h"
#include "properties/field_reactions.h"
#include "properties/species_view.h"

namespace tabulon {
namespace {

// Argon-like sets: a1 = 2.5 in both, so Cp = 4.968 everywhere; the low set's a1 can be changed
// to make the two sets disagree at the common temperature.
std::array<std::string, kCoefficientsPerRecord> Texts(const std::string& low_a1 = "2.5",
                                                      const std::string& high_a6 = "-745.375") {
  return {"2.5",  "0", "0", "0", "0", high_a6,    "4.37966038",
          low_a1, "0", "0", "0", "0", "-745.375", "4.37966038"};
}

struct FieldCase {
  const char* what;
  Property property;
  double t;
  std::array<std::string, kCoefficientsPerRecord> texts;
  std::optional<std::string> main, second;
  bool red, out_of_range, zero;
  std::optional<FailureKind> failure;
};

TEST(EvaluateField, GivesTheTextsAndStopsWhereTheWindowStops) {
  const FieldCase cases[] = {
      {"low range", Property::Cp, 500, Texts(), " 4.968", {}, false, false, false, {}},
      {"high range", Property::Cp, 2000, Texts(), " 4.968", {}, false, false, false, {}},
      {"common temperature, sets agree",
       Property::Cp,
       1000,
       Texts(),
       " 4.968",
       " 4.968",
       false,
       false,
       false,
       {}},
      {"common temperature, sets disagree",
       Property::Cp,
       1000,
       Texts("2.6"),
       " 4.968",
       " 5.167",
       true,
       false,
       false,
       {}},
      {"below the range", Property::S, 100, Texts(), {}, {}, false, true, false, {}},
      {"at the high limit", Property::Cp, 5000, Texts(), " 4.968", {}, false, false, false, {}},
      {"above the range", Property::H, 5000.5, Texts(), {}, {}, false, true, false, {}},
      {"zero and out of range", Property::Cp, 0, Texts(), {}, {}, false, true, true, {}},
      {"a6 beyond range fails H",
       Property::H,
       2000,
       Texts("2.5", "1E999"),
       {},
       {},
       false,
       false,
       false,
       FailureKind::Overflow},
      {"a6 beyond range: Cp does not read it",
       Property::Cp,
       2000,
       Texts("2.5", "1E999"),
       " 4.968",
       {},
       false,
       false,
       false,
       {}},
      {"the second set fails after the main one",
       Property::Cp,
       1000,
       Texts("1E999"),
       " 4.968",
       {},
       false,
       false,
       false,
       FailureKind::Overflow},
      {"a text that is no number reads as 0",
       Property::Cp,
       500,
       Texts("abc"),
       " 0",
       {},
       false,
       false,
       false,
       {}},
  };
  for (const FieldCase& c : cases) {
    const FieldOutcome outcome = EvaluateField(
        c.property, c.t, {.t_low = 200, .t_high = 5000, .t_mid = 1000, .texts = &c.texts});
    EXPECT_EQ(outcome.main, c.main) << c.what;
    EXPECT_EQ(outcome.second, c.second) << c.what;
    EXPECT_EQ(outcome.second_red, c.red) << c.what;
    EXPECT_EQ(outcome.out_of_range, c.out_of_range) << c.what;
    EXPECT_EQ(outcome.zero_temperature, c.zero) << c.what;
    EXPECT_EQ(outcome.failure.has_value(), c.failure.has_value()) << c.what;
    if (outcome.failure && c.failure) {
      EXPECT_EQ(outcome.failure->Kind(), *c.failure) << c.what;
    }
  }
}

// A negative low limit is accepted, so T = 0 lies in the range: H divides by zero there and S
// takes the logarithm of zero, as the window reports them.
TEST(EvaluateField, ZeroInsideTheRange) {
  const auto texts = Texts();
  const FieldSpecies species{.t_low = -100, .t_high = 5000, .t_mid = 1000, .texts = &texts};
  EXPECT_EQ(EvaluateField(Property::H, 0, species).failure->Kind(), FailureKind::DivisionByZero);
  EXPECT_EQ(EvaluateField(Property::S, 0, species).failure->Kind(), FailureKind::InvalidArgument);
  const FieldOutcome cp = EvaluateField(Property::Cp, 0, species);
  EXPECT_EQ(cp.main, " 4.968");
  EXPECT_TRUE(cp.zero_temperature);
  EXPECT_FALSE(cp.failure);
}

auto Tie(const FieldState& f) {
  return std::tie(f.text, f.result, f.second, f.second_shown, f.second_red, f.reacted);
}

// A report's one-step Clear-then-Cp is taken only where it is plain, and then leaves the fields
// exactly as the two reactions leave them, over every kind of species, text and state.
TEST(DetailFields, APlainStepDoesWhatTheTwoReactionsDo) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const CoefficientSet plain{2.5, 1e-3, 1e-7, 1e-11, 1e-15, -745.375, 4.38};
  const CoefficientSet other{3.5, 0, 0, 0, 0, -700, 4};
  const CoefficientSet nan_a6{2.5, 0, 0, 0, 0, nan, 4.38};  // only H reads a6
  const CoefficientSet huge{2.5, 0, 0, 0, 1e300, 0, 0};     // T^4 * a5 overflows
  struct Species {
    double t_low, t_high, t_mid;
    const CoefficientSet *high, *low;
  };
  const Species species[] = {
      {200, 5000, 1000, &plain, &other},  {-100, 5000, 1000, &plain, &plain},
      {200, 5000, 1000, &nan_a6, &plain}, {200, 5000, 1000, &huge, &huge},
      {300, 300, 300, &plain, &other},
  };
  const char* texts[] = {"300", "1500", "1000", "100", "6000", "0", "", "298.15", "1e999", "abc"};
  // The fields before: empty; showing a temperature with the second box red; mid-failure.
  std::vector<DetailFields> befores(3);
  befores[1].fields = {FieldState{"1000", " 5", " 6", true, true, true},
                       FieldState{"1000", " 7", " 8", true, false, true},
                       FieldState{"1000", " 9", " 1", true, true, true}};
  befores[2].fields[0] = FieldState{"5", "xxx", " 2", false, false, true};
  int plain_steps = 0;
  for (const Species& s : species) {
    const FieldSpecies field_species{
        .t_low = s.t_low, .t_high = s.t_high, .t_mid = s.t_mid, .high = s.high, .low = s.low};
    for (const char* text : texts) {
      for (const DetailFields& before : befores) {
        DetailFields two_steps = before;
        std::vector<FieldFailure> failures;
        two_steps.Clear(&field_species, failures);
        two_steps.SetText(Property::Cp, text, &field_species, failures);
        DetailFields one_step = before;
        PlainOutcomes outcomes;
        const bool plain_step = PlainStep(field_species, text, outcomes);
        if (plain_step) one_step.TakePlainStep(text, outcomes);
        const DetailFields& expected = plain_step ? two_steps : before;
        for (std::size_t k = 0; k < 3; ++k) {
          EXPECT_EQ(Tie(one_step.fields[k]), Tie(expected.fields[k]))
              << s.t_low << " " << s.t_mid << " '" << text << "' field " << k;
        }
        if (plain_step) {
          EXPECT_TRUE(failures.empty()) << text;
          ++plain_steps;
        }
      }
    }
  }
  // 300, 1000, 1500 and 298.15 for the usual species (100 and 6000 lie outside), 300 and
  // 298.15 for the one whose high set cannot give H, 300 for the one whose limits are all 300;
  // in each state before.
  EXPECT_EQ(plain_steps, (4 + 2 + 1) * 3);
}

TEST(DetailOutcome, TellsShownRefusedAndNotShownApart) {
  const std::array<std::string, 4> usual{"AR X 200 5000 1000 1", " 2.5", " 0", " 0"};
  const std::array<std::string, 4> cold{"AR X 0 5000 1000 1", " 2.5", " 0", " 0"};
  struct Case {
    const char* what;
    std::optional<ThermoRecord> found;
    DetailOutcome outcome;
  };
  const Case cases[] = {
      {"found", ParseThermoRecord(usual, 4, 1), DetailOutcome::Shown},
      {"found, a limit of 0", ParseThermoRecord(cold, 4, 1), DetailOutcome::Refused},
      {"cut short, limits accepted", ParseThermoRecord(usual, 3, 1), DetailOutcome::NotShown},
      {"cut short, a limit of 0", ParseThermoRecord(cold, 1, 1), DetailOutcome::Refused},
      {"not found", std::nullopt, DetailOutcome::NotShown},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OutcomeOf(c.found ? &*c.found : nullptr), c.outcome) << c.what;
  }
}

}  // namespace
}  // namespace tabulon
