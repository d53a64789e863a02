// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch plot: the four charts written headless as PNG or SVG by the window program it
// hands over to, and its refusals.
#include <cstdlib>
#include <filesystem>

#include <QImage>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "tests/batch_run.h"
#include "tests/test_support.h"

namespace tabulon {
namespace {

using testing::BatchRun;
using testing::ReadBytes;
using testing::RunBatch;
using testing::TempDir;

std::string Example(const char* name) {
  return std::string(TABULON_SOURCE_DIR) + "/examples/" + name;
}

TEST(BatchPlot, WritesAPngOfTheRequestedSize) {
  const TempDir scratch;
  const std::string png = scratch.File("h2o.png");
  const BatchRun run = RunBatch({"plot", Example("therm_a.dat"), "H2O", "--db2",
                                 Example("therm_b.dat"), "--out", png, "--size", "800x600"},
                                scratch);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  const QImage image(QString::fromStdString(png));
  EXPECT_EQ(image.size(), QSize(800, 600));
}

// Per mole and per mass (H2O's own weight): the Cp and S axes name the unit.
TEST(BatchPlot, WritesAnSvgWithOneDashedCommonTemperatureLinePerChart) {
  const TempDir scratch;
  const std::string svg = scratch.File("h2o.svg");
  for (const auto& [per_mass, unit] : {std::pair{false, "J/mol/K"}, std::pair{true, "J/kg/K"}}) {
    std::vector<std::string> args = {"plot", Example("therm_b.dat"), "h2o", "--out", svg, "--si"};
    if (per_mass) args.push_back("--per-mass");
    const BatchRun run = RunBatch(args, scratch);
    ASSERT_EQ(run.status, 0) << run.err;
    QXmlStreamReader xml(QByteArray::fromStdString(ReadBytes(svg)));
    int dashed = 0, texts_with_unit = 0;
    std::vector<bool> dashes{false};  // a group's dash pattern holds for what it contains
    while (!xml.atEnd()) {
      xml.readNext();
      if (xml.isEndElement()) dashes.pop_back();
      if (!xml.isStartElement()) continue;
      dashes.push_back(dashes.back() || xml.attributes().hasAttribute("stroke-dasharray"));
      if (xml.name() == u"path" && dashes.back()) ++dashed;
      if (xml.name() == u"text") {
        if (xml.readElementText().contains(unit)) ++texts_with_unit;
        dashes.pop_back();  // readElementText consumed the end of the element
      }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(dashed, 4);
    EXPECT_EQ(texts_with_unit, 2) << unit;  // the Cp and S axes
  }
}

struct Misuse {
  std::vector<std::string> args;
  int status;
  const char* message;
};

TEST(BatchPlot, RefusesWhatItCannotDrawOrMustNotWrite) {
  const TempDir scratch;
  const std::string db = scratch.Write("db.dat", ReadBytes(Example("therm_a.dat")));
  const std::string out = scratch.File("out.png");
  const Misuse cases[] = {
      {{"plot", db, "H2O"}, 2, "--out needs a file name ending in .svg or .png"},
      {{"plot", db, "H2O", "--out", scratch.File("out.jpg")}, 2, "--out needs"},
      {{"plot", db, "H2O", "--out", out, "--size", "80x60"}, 2, "--size needs WxH"},
      {{"plot", db, "H2O", "--out", out, "--size", "big"}, 2, "--size needs WxH"},
      {{"plot", db, "NOSUCH", "--out", out}, 1, "NOSUCH is not in"},
  };
  for (const Misuse& m : cases) {
    const BatchRun run = RunBatch(m.args, scratch);
    EXPECT_EQ(run.status, m.status) << m.message;
    EXPECT_NE(run.err.find(m.message), std::string::npos) << run.err;
  }
  EXPECT_EQ(ReadBytes(out), "");  // nothing was written

  // A picture never replaces a database, even one named .png.
  const std::string db_png = scratch.Write("db.png", ReadBytes(Example("therm_a.dat")));
  const BatchRun run = RunBatch({"plot", db_png, "H2O", "--out", db_png}, scratch);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("is a database file"), std::string::npos) << run.err;
  EXPECT_EQ(ReadBytes(db_png), ReadBytes(Example("therm_a.dat")));
}

// A tabulon-batch without the window program beside it says where it looked.
TEST(BatchPlot, SaysSoWhenTheWindowProgramIsNotBesideIt) {
  const TempDir scratch;
  const std::string alone = scratch.File("tabulon-batch");
  std::filesystem::copy_file(TABULON_BATCH_EXE, alone);
  const std::string command = alone + " plot " + Example("therm_a.dat") + " H2O --out " +
                              scratch.File("h2o.png") + " 2>" + scratch.File("err");
  const int raw = std::system(command.c_str());
  EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
  EXPECT_EQ(ReadBytes(scratch.File("err")),
            "tabulon-batch plot: the charts are drawn by the window program tabulon, which is not "
            "beside tabulon-batch in " +
                scratch.Path().string() + "\n");
  EXPECT_FALSE(std::filesystem::exists(scratch.File("h2o.png")));
}

}  // namespace
}  // namespace tabulon
