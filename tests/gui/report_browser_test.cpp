// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison page of the example databases, rendered once by a real browser engine
// (headless Chromium): something is drawn, and the tables are there.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include "tests/batch_run.h"
#include "tests/test_support.h"

namespace tabulon {
namespace {

using testing::BatchRun;
using testing::ExampleFile;
using testing::RunBatch;
using testing::TempDir;

// Pixel rows that hold a run of at least `length` pixels of `colour`: the rules of a table.
int RowsWithARunOf(const QImage& image, QRgb colour, int length) {
  int rows = 0;
  for (int y = 0; y < image.height(); ++y) {
    int run = 0, longest = 0;
    for (int x = 0; x < image.width(); ++x) {
      run = image.pixel(x, y) == colour ? run + 1 : 0;
      longest = std::max(longest, run);
    }
    rows += longest >= length;
  }
  return rows;
}

TEST(ReportInBrowser, ThePageIsDrawnWithItsTables) {
  TABULON_REQUIRE_PROGRAM("chromium", "to render the comparison page in a browser");
  const TempDir dir;
  const std::string page = dir.File("page.html"), shot = dir.File("shot.png");
  const BatchRun report = RunBatch(
      {"report", ExampleFile("therm_a.dat"), ExampleFile("therm_b.dat"), "--out", page}, dir);
  ASSERT_EQ(report.status, 0) << report.err;

  // A fresh profile and home of its own (CI's may not be writable), nothing fetched or updated
  // in the background; the sandbox cannot start as root, where CI runs, and a container's
  // /dev/shm may be too small.
  const std::string home = dir.File("home");
  std::filesystem::create_directories(home);
  const std::string command =
      "HOME='" + home + "' XDG_CONFIG_HOME='" + home + "' XDG_CACHE_HOME='" + home +
      "' timeout -k 5 60 chromium --headless --no-sandbox --disable-gpu --no-first-run "
      "--disable-dev-shm-usage --disable-background-networking --disable-component-update "
      "--disable-sync "
      "--hide-scrollbars --force-device-scale-factor=1 --window-size=1200,1500 "
      "--user-data-dir='" +
      dir.File("profile") + "' --screenshot='" + shot + "' 'file://" + page + "' >'" +
      dir.File("chromium.log") + "' 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << testing::ReadBytes(dir.File("chromium.log"));
  const QImage image(QString::fromStdString(shot));
  ASSERT_EQ(image.size(), QSize(1200, 1500));

  // Not blank: text and rules cover a good part of the white page.
  const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
  EXPECT_EQ(QColor(background), QColor(Qt::white));
  long drawn = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) drawn += image.pixel(x, y) != background;
  }
  EXPECT_GT(drawn, image.width() * image.height() / 50);
  // The tables' rules (#c4c4c4 in the light colours): the files table and the deviation
  // table's rows, each at least 400 pixels wide, are in the first 1500 pixels.
  EXPECT_GE(RowsWithARunOf(image, qRgb(0xc4, 0xc4, 0xc4), 400), 15);
}

}  // namespace
}  // namespace tabulon
