// SPDX-License-Identifier: GPL-3.0-or-later
// The property table window: its range fields, full-precision cells, the clipboard and CSV
// texts (the same bytes as `tabulon-batch table`), and its refusal to replace a database.
#include <QApplication>
#include <QClipboard>

#include <gtest/gtest.h>

#include "app/qt/plot/property_table_window.h"
#include "tests/batch_run.h"
#include "tests/test_support.h"

namespace tabulon::gui {
namespace {

using tabulon::testing::ReadBytes;
using tabulon::testing::TempDir;

std::string Example(const char* name) {
  return std::string(TABULON_SOURCE_DIR) + "/examples/" + name;
}

std::vector<DatabaseSpecies> Sides(const char* name) {
  return {{1, LoadSpeciesSource(Example("therm_a.dat"), name)},
          {2, LoadSpeciesSource(Example("therm_b.dat"), name)}};
}

TEST(PropertyTableWindowTest, DefaultsToThreeHundredToThreeThousandInFullPrecision) {
  PropertyTableWindow window(Sides("H2O"));
  const PropertyTableModel& model = window.Model();
  EXPECT_EQ(model.rowCount(), 28);
  EXPECT_EQ(model.columnCount(), 13);
  EXPECT_EQ(model.headerData(12, Qt::Horizontal).toString(), "dG");
  EXPECT_EQ(model.data(model.index(27, 0)).toString(), "3000");
  // Row 300 K, Cp of DB #1: every digit the double holds, not the window's four.
  const double cp = model.Table().cells[0][1].value();
  EXPECT_EQ(model.data(model.index(0, 1)).toString().toStdString(), ShortestText(cp));
  EXPECT_GT(model.data(model.index(0, 1)).toString().size(), 12);
  EXPECT_EQ(window.Problem(), "");
}

TEST(PropertyTableWindowTest, CopyAndCsvGiveTheBatchCommandsText) {
  const TempDir scratch;
  PropertyTableWindow window(Sides("CO2"));
  window.SetRange("250", "5050", "150");
  window.SetSiUnits(true);
  const tabulon::testing::BatchRun run = tabulon::testing::RunBatch(
      {"table", Example("therm_a.dat"), "CO2", "--db2", Example("therm_b.dat"), "--from", "250",
       "--to", "5050", "--step", "150", "--si"},
      scratch);
  ASSERT_EQ(run.status, 0) << run.err;

  QString error;
  const std::string csv = scratch.File("co2.csv");
  ASSERT_TRUE(window.SaveCsv(QString::fromStdString(csv), &error)) << error.toStdString();
  EXPECT_EQ(ReadBytes(csv), run.out);

  window.CopyToClipboard();
  std::string tsv = run.out;
  std::replace(tsv.begin(), tsv.end(), ',', '\t');
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), tsv);

  // Per mass, the same choice as --per-mass.
  window.SetUnitChoice({.si = false, .per_mass = true});
  const tabulon::testing::BatchRun per_mass = tabulon::testing::RunBatch(
      {"table", Example("therm_a.dat"), "CO2", "--db2", Example("therm_b.dat"), "--from", "250",
       "--to", "5050", "--step", "150", "--per-mass"},
      scratch);
  ASSERT_EQ(per_mass.status, 0) << per_mass.err;
  ASSERT_TRUE(window.SaveCsv(QString::fromStdString(csv), &error)) << error.toStdString();
  EXPECT_EQ(ReadBytes(csv), per_mass.out);
  EXPECT_NE(per_mass.out, run.out);
}

TEST(PropertyTableWindowTest, AnUnusableRangeSaysWhyAndEmptiesTheTable) {
  PropertyTableWindow window(Sides("H2O"));
  const std::pair<std::array<const char*, 3>, const char*> cases[] = {
      {{"300", "3000", "0"}, "the step must be above 0"},
      {{"3000", "300", "100"}, "from must not be above to"},
      {{"300", "3000K", "100"}, "to is not a number"},
  };
  for (const auto& [range, problem] : cases) {
    window.SetRange(range[0], range[1], range[2]);
    EXPECT_EQ(window.Problem(), problem);
    EXPECT_EQ(window.Model().rowCount(), 0);
  }
  window.SetRange("300", "400", "100");
  EXPECT_EQ(window.Model().rowCount(), 2);
  EXPECT_EQ(window.Problem(), "");
}

TEST(PropertyTableWindowTest, NeverWritesOverADatabaseFile) {
  const TempDir scratch;
  const std::string db = scratch.Write("db.dat", ReadBytes(Example("therm_a.dat")));
  PropertyTableWindow window({{1, LoadSpeciesSource(db, "H2O")}});
  QString error;
  EXPECT_FALSE(window.SaveCsv(QString::fromStdString(db), &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(ReadBytes(db), ReadBytes(Example("therm_a.dat")));
}

}  // namespace
}  // namespace tabulon::gui
