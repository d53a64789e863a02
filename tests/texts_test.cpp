// SPDX-License-Identifier: GPL-3.0-or-later
#include <cfloat>
#include <string>

#include <gtest/gtest.h>

#include "common/failure.h"
#include "common/markup_text.h"
#include "properties/value_text.h"
#include "thermodb/coefficient_text.h"

namespace tabulon {
namespace {

struct ValueCase {
  double value;
  const char* text;
};

TEST(ValueText, RoundsToFourSignificantDigitsThenWritesTheShortText) {
  const ValueCase cases[] = {
      {29.13452, " 29.13"},
      {-57.8149, "-57.81"},
      {29.99996, " 30"},
      {0.012834, " .01283"},
      {1234.6, " 1235"},
      {-0.0578, "-.0578"},
      {0, " 0"},
      {-0.0, " 0"},
      {0.5, " .5"},
      {8.530329576, " 8.53"},
      {-17.8296882, "-17.83"},
      {1.9872000217, " 1.987"},
      {99996, " 100000"},
      {0.00012346, " .0001235"},
      {0.000012346, " 1.235E-05"},  // below 1e-4 an exponent is written
      {1.23456e20, " 1.235E+20"},
      {-9.99951e-5, "-.0001"},  // rounds up to the edge of the positional form
      {9.9996e14, " 1E+15"},    // rounds up past it
      {1.23456e299, " 1.235E+299"},
      {-1.23456e-300, "-1.235E-300"},
  };
  for (const ValueCase& c : cases) EXPECT_EQ(ValueText(c.value), c.text) << c.value;
  // Agreement at four significant digits is agreement of the texts.
  EXPECT_EQ(ValueText(17.5861), ValueText(17.5859));
  EXPECT_NE(ValueText(17.5851), ValueText(17.5849));
}

TEST(ValueText, AValueRoundingBeyondTheDoubleRangeIsAnOverflow) {
  EXPECT_EQ(ValueText(1.7974e308), " 1.797E+308");
  try {
    ValueText(DBL_MAX);  // 1.798E+308 cannot be read back
    ADD_FAILURE() << "no failure";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.Kind(), FailureKind::Overflow);
  }
}

struct FieldCase {
  const char* field;  // blanks already removed, as CoefficientField gives it
  const char* text;
};

TEST(CoefficientText, ShowsWholeNumbersInThePictureAndAnythingElseUnchanged) {
  const FieldCase cases[] = {
      {"1.65326226E+00", "1.65326226E+00"},
      {"-2.46617581E-02", "-2.46617581E-02"},
      {"0.5", "5.00000000E-01"},
      {".250000000E+01", "2.50000000E+00"},
      {"1.234567891E+00", "1.23456789E+00"},
      {"1.23456789D-05", "1.23456789E-05"},  // Fortran exponent
      {"-9.46834459d+03", "-9.46834459E+03"},
      {"+7", "7.00000000E+00"},
      {"0.", "0.00000000E+00"},
      {"-0.0", "0.00000000E+00"},  // negative zero
      {"1E100", "1.00000000E+100"},
      {"", ""},
      {"abc", "abc"},
      {"1.0E", "1.0E"},
      {"1.2.3", "1.2.3"},
      {"1.0E+00x", "1.0E+00x"},
      {"\t1.0", "\t1.0"},
      {"1E400", "1E400"},  // beyond the double range
      {"-", "-"},
  };
  for (const FieldCase& c : cases) EXPECT_EQ(CoefficientText(c.field), c.text) << c.field;
}

struct MarkupCase {
  const char* bytes;
  const char* text;
};

TEST(MarkupText, EscapesMarkupAndWritesLatin1BytesAsUtf8) {
  const MarkupCase cases[] = {
      {"CH4", "CH4"},
      {"a&b<c>\"d'e", "a&amp;b&lt;c&gt;&quot;d&#39;e"},
      {"\xE9T", "\xC3\xA9T"},            // Latin-1 e acute
      {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},  // first and last byte past the controls
      {"a\tb\nc", "a\tb\nc"},            // the two controls both formats admit
      {"a\rb\x01\x1F",
       "a\xEF\xBF\xBD"
       "b\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"\x7F\x80\x9F", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // DEL and C1 controls
      {"", ""},
  };
  for (const MarkupCase& c : cases) EXPECT_EQ(MarkupText(c.bytes), c.text) << c.bytes;
  EXPECT_EQ(MarkupText(std::string("a\0b", 3)),
            "a\xEF\xBF\xBD"
            "b");
}

}  // namespace
}  // namespace tabulon
