// SPDX-License-Identifier: GPL-3.0-or-later
#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/model/detail_view.h"
#include "common/failure.h"
#include "common/leading_number.h"
#include "detail_window.h"
#include "test_support.h"
#include "thermodb/coefficient_text.h"
#include "thermodb/thermo_file.h"
#include "thermodb/thermo_record.h"

namespace tabulon {
namespace {

using testing::CorpusFile;
using testing::RecordText;
using testing::TempDir;
using testing::TestWindow;

// Records whose fields and limits go wrong in the ways real files do.
std::string HostileDatabase() {
  const std::vector<std::string> odd = {"1.65326226E+00",
                                        "-2.46617581E-02",
                                        "0.5",
                                        "1.23456789D-05",
                                        "",  // a1..a5
                                        "abc",
                                        "-0.0",
                                        "2.5",
                                        "1E999",
                                        "2.7",
                                        "1.234567891234",
                                        "+.5e+3",
                                        "3.0",
                                        "3.1",
                                        "-8.95D+03"};
  const std::vector<std::string> plain(15, "7.0");
  std::vector<std::string> short_line4 = plain;
  short_line4.resize(14);  // no Hf/R field
  return "THERMO\r\n   300.000  1000.000  5000.000\r\n" +
         RecordText("ODD", "   200.000  3500.000  1000.000", odd) +
         RecordText("TAIL", "   300.00   5000.00  1000.00    0", plain) +
         RecordText("COLD", "     0.000  3500.000  1000.000", plain) +
         RecordText("HOT", "   300.000  1E999     1000.000", plain) +
         RecordText("FEW", "  1000.000", plain) +
         RecordText("NOHF", "   300 5000 1000", short_line4) +
         "CUT x 300 5000 1000 1\r\n 1.0\r\nEND\r\n";
}

double BoxNumber(const std::string& text) {
  try {
    return LeadingNumber(text);
  } catch (const Failure&) {
    return std::nan("");
  }
}

bool SameNumber(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) || a == b;
}

// A record value must hold what the detail view shows for the species: the limits, the
// coefficient texts, the Hf/R text, the numbers the temperature fields read from the boxes,
// and whether the view shows, refuses or does not show the species.
void ExpectRecordsAsTheDetailViewShowsThem(const std::string& path, const std::string& what) {
  SCOPED_TRACE(what);
  const ThermoFile file = ThermoFile::Read(path);
  TestWindow t;
  t.window.Ck1.SetChecked(true);
  int compared = 0;
  for (const ThermoRecord& listed : file.Records()) {
    // The view shows the first record of a name; later repeats are never shown.
    if (file.Find(listed.name) != &listed || listed.name.empty()) continue;
    const ThermoRecord& record = listed;
    SCOPED_TRACE(record.name);
    t.UseDatabase(Db::One, path, {record.name});
    t.window.LOS1.SelectByName(record.name);
    const DatabaseSide side = SideOf(t.window, Db::One);
    ++compared;

    EXPECT_EQ(SpeciesShown(side), record.Complete() && record.LimitsAccepted());
    if (!record.Complete() && record.LimitsAccepted()) {
      EXPECT_EQ(side.limits_label.Caption(), "");
      EXPECT_EQ(side.Coefficient(0).Text(), "");
      continue;
    }
    EXPECT_EQ(side.t_low, record.LimitTexts().low);
    EXPECT_EQ(side.t_high, record.LimitTexts().high);
    EXPECT_EQ(side.t_mid, record.LimitTexts().mid);
    EXPECT_EQ(record.t_low, LeadingNumber(side.t_low));
    EXPECT_EQ(record.t_high, LeadingNumber(side.t_high));
    EXPECT_EQ(record.t_mid, LeadingNumber(side.t_mid));
    if (!record.LimitsAccepted()) continue;
    EXPECT_EQ(side.hf_box.Text(), record.HfText());
    for (int k = 0; k < kCoefficientsPerRecord; ++k) {
      const std::string& box = side.Coefficient(k).Text();
      EXPECT_EQ(box, record.CoefficientText(k)) << "box " << k;
      const CoefficientSet& set = k < kCoefficientsPerSet ? record.high : record.low;
      EXPECT_TRUE(
          SameNumber(set[static_cast<std::size_t>(k % kCoefficientsPerSet)], BoxNumber(box)))
          << "box " << k;
    }
  }
  EXPECT_GT(compared, 0);
}

TEST(ThermoRecord, HoldsWhatTheDetailViewShows) {
  TempDir dir;
  ExpectRecordsAsTheDetailViewShowsThem(dir.Write("hostile.dat", HostileDatabase()), "hostile");
  const std::filesystem::path source(TABULON_SOURCE_DIR);
  for (const char* example : {"examples/therm_a.dat", "examples/therm_b.dat"}) {
    ExpectRecordsAsTheDetailViewShowsThem((source / example).string(), example);
  }
}

TEST(ThermoRecord, HoldsWhatTheDetailViewShowsForTheCorpus) {
  TABULON_REQUIRE_CORPUS("gri30_thermo.dat", "llnl_nheptane_v2_lowercase.txt",
                         "cantera_bad_nasa7_formatting.dat", "nasa_glenn_nasathermo_NO_TMID.dat",
                         "llnl_c8c16_nalkanes_lowercase_cr.therm");
  for (const char* name :
       {"gri30_thermo.dat", "llnl_nheptane_v2_lowercase.txt", "cantera_bad_nasa7_formatting.dat",
        "nasa_glenn_nasathermo_NO_TMID.dat", "llnl_c8c16_nalkanes_lowercase_cr.therm"}) {
    ExpectRecordsAsTheDetailViewShowsThem(CorpusFile(name), name);
  }
}

TEST(ThermoRecord, ReadsFieldsNumbersAndLimits) {
  TempDir dir;
  const ThermoFile file = ThermoFile::Read(dir.Write("hostile.dat", HostileDatabase()));
  ASSERT_EQ(file.Outcome().end, ScanEnd::EndLine);

  const ThermoRecord* odd = file.Find("ODD");
  ASSERT_NE(odd, nullptr);
  EXPECT_FALSE(odd->coefficients_read);  // "", "abc" and "1E999" are no numbers
  EXPECT_EQ(odd->line_number, 3);
  EXPECT_EQ(odd->CoefficientText(3), "1.23456789E-05");  // Fortran exponent
  EXPECT_EQ(odd->high[3], 1.23456789e-05);
  EXPECT_EQ(odd->CoefficientText(4), "");
  EXPECT_EQ(odd->high[4], 0);
  EXPECT_EQ(odd->high[5], 0);  // "abc" reads as 0, as its box would
  EXPECT_EQ(odd->CoefficientText(6), "0.00000000E+00");
  EXPECT_FALSE(std::signbit(odd->high[6])) << "negative zero is shown, and read, as zero";
  EXPECT_EQ(odd->CoefficientText(8), "1E999");
  EXPECT_TRUE(std::isnan(odd->low[1]));
  // A field with more digits than the box shows is rounded as the box rounds it.
  EXPECT_EQ(odd->CoefficientText(10), "1.23456789E+00");
  EXPECT_EQ(odd->low[3], 1.23456789);
  EXPECT_EQ(odd->low[4], 500);
  EXPECT_EQ(odd->HfText(), "-8.95000000E+03");
  EXPECT_EQ(odd->t_low, 200);
  EXPECT_EQ(odd->t_high, 3500);
  EXPECT_EQ(odd->t_mid, 1000);

  struct LimitCase {
    const char* name;
    double low, high, mid;
    bool accepted;
  };
  const LimitCase limits[] = {
      {"TAIL", 300, 5000, 1000, true},  // the empty element count "0" before the line number
      {"COLD", 0, 3500, 1000, false},
      {"HOT", 300, 0, 1000, false},  // beyond the double range: no limit
      {"FEW", 0, 0, 1000, false},
  };
  for (const LimitCase& c : limits) {
    const ThermoRecord* record = file.Find(c.name);
    ASSERT_NE(record, nullptr) << c.name;
    EXPECT_EQ(record->t_low, c.low) << c.name;
    EXPECT_EQ(record->t_high, c.high) << c.name;
    EXPECT_EQ(record->t_mid, c.mid) << c.name;
    EXPECT_EQ(record->LimitsAccepted(), c.accepted) << c.name;
    EXPECT_TRUE(record->coefficients_read) << c.name;
  }
  EXPECT_EQ(file.Find("HOT")->LimitTexts().high, "");

  const ThermoRecord* no_hf = file.Find("NOHF");
  ASSERT_NE(no_hf, nullptr);
  EXPECT_TRUE(no_hf->coefficients_read) << "the Hf/R field is not a coefficient";
  EXPECT_EQ(no_hf->HfText(), "");

  // Cut short: lines 2 and 3 exist (the END line is taken as line 3, as the lookup takes it).
  const ThermoRecord* cut = file.Find("CUT");
  ASSERT_NE(cut, nullptr);
  EXPECT_EQ(cut->line_count, 3);
  EXPECT_FALSE(cut->Complete());
  EXPECT_FALSE(cut->coefficients_read);
  EXPECT_EQ(cut->Line(2), "END");
  EXPECT_EQ(cut->Line(3), "");
  EXPECT_EQ(cut->CoefficientText(0), "1.00000000E+00");
  EXPECT_EQ(cut->CoefficientText(13), "");
}

TEST(ThermoRecord, ParsesLinesGivenDirectly) {
  const ThermoRecord record = ParseThermoRecord(
      {"o2 tpis89 300 5000 1000 1", " 3.0", "ignored past the count", "ignored"}, 2, 17);
  EXPECT_EQ(record.name, "O2");
  EXPECT_EQ(record.line_number, 17);
  EXPECT_EQ(record.line_count, 2);
  EXPECT_EQ(record.Line(0), "o2 tpis89 300 5000 1000 1") << "lines keep their case";
  EXPECT_EQ(record.Line1Upper(), "O2 TPIS89 300 5000 1000 1");
  EXPECT_EQ(record.Line(2), "");
  EXPECT_EQ(record.CoefficientText(0), "3.00000000E+00");
  EXPECT_EQ(record.CoefficientText(5), "");
  EXPECT_EQ(record.t_mid, 1000);
}

// The picture reading states StrictNumber's value a second time, for speed: wherever it gives a
// value, the general reading must give the same bits, and the field must read as that number.
void ExpectPictureReadingAgrees(const std::string& columns) {
  const std::optional<double> picture = PictureFieldNumber(columns);
  if (!picture) return;
  const std::optional<double> strict = StrictNumber(columns);
  ASSERT_TRUE(strict.has_value()) << columns;
  EXPECT_EQ(std::bit_cast<std::uint64_t>(*picture), std::bit_cast<std::uint64_t>(*strict))
      << columns;
  const FieldReading reading = ReadCoefficientField(columns);
  EXPECT_EQ(reading.kind, FieldKind::Number) << columns;
  EXPECT_EQ(reading.box_value, LeadingNumber(CoefficientPicture(*strict))) << columns;
  if (reading.box_value == 0) {
    EXPECT_FALSE(std::signbit(reading.box_value)) << columns;
  }
}

TEST(PictureFieldNumber, GivesTheGeneralReadingsValueForThePicture) {
  struct Case {
    const char* columns;
    bool read;  // read as the picture (otherwise by the general reading)
  };
  const Case cases[] = {
      {" 5.40163253E+00", true},  {"-1.70675181E-14", true},  {"-0.00000000E+00", true},
      {"+1.23456789D-05", true},  {" 9.99999999e+30", true},  {" 1.00000000d+00", true},
      {"-1.70675181E-15", false}, {" 9.99999999E+31", false}, {" 5.40163253E+0", false},
      {"  5.4016325E+00", false}, {" 5.4016 325E+00", false}, {" 5,40163253E+00", false},
      {"x5.40163253E+00", false}, {" 5.40163253E 00", false}, {" 5.40163253X+00", false},
      {" 5.4016325xE+00", false}, {" 5.40163253E+0x", false}, {"  5.40163253E+00", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PictureFieldNumber(c.columns).has_value(), c.read) << c.columns;
    ExpectPictureReadingAgrees(c.columns);
  }

  // Fields as writers print them, and each with one column changed.
  std::mt19937 random(18);
  std::uniform_int_distribution<int> digit(0, 9), exponent(0, 40);
  const std::string alphabet = "0123456789.+-EeDd x";
  std::uniform_int_distribution<std::size_t> any(0, alphabet.size() - 1), column(0, 14);
  int read = 0;
  for (int round = 0; round < 100000; ++round) {
    std::string columns(1, " -+"[round % 3]);
    for (int k = 0; k < 9; ++k) {
      if (k == 1) columns += '.';
      columns += static_cast<char>('0' + digit(random));
    }
    const int e = exponent(random);
    columns += "EeDd"[round % 4];
    columns += round % 2 ? '-' : '+';
    columns += {static_cast<char>('0' + e / 10), static_cast<char>('0' + e % 10)};
    read += PictureFieldNumber(columns).has_value();
    ExpectPictureReadingAgrees(columns);

    columns[column(random)] = alphabet[any(random)];
    ExpectPictureReadingAgrees(columns);
  }
  EXPECT_GT(read, 50000);
}

}  // namespace
}  // namespace tabulon
