// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <string>

#include <gtest/gtest.h>

#include "properties/field_evaluation.h"
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
