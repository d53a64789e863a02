// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <string>
#include <vector>

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

#include "app/qt/report_viewer.h"
#include "common/number_text.h"
#include "properties/evaluation.h"
#include "tests/compare_fixture.h"
#include "tests/gui/gui_fixture.h"
#include "tests/test_support.h"

namespace tabulon::gui::testing {
namespace {

using tabulon::testing::DatabaseText;
using tabulon::testing::GasFields;
using tabulon::testing::GasRecord;
using tabulon::testing::ReadBytes;
using tabulon::testing::TempDir;

QString Clipboard() {
  return QApplication::clipboard()->text();
}

void CopyFrom(QWidget* widget) {
  QApplication::clipboard()->clear();
  widget->setFocus();
  QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
}

class CopyTest : public WindowTest {
 protected:
  CopyTest() {
    // a1 with more digits than the box shows; a7 with a Fortran exponent.
    std::vector<std::string> fields = GasFields("2.5123456789012", "4.37966038D+00");
    record = GasRecord("AR", fields);
    record[0] = 'a';  // the name as a file may write it; the list upper-cases it
    platform.file_answers = {dir.Write("a.dat", DatabaseText({record, GasRecord("NE")})),
                             dir.Write("b.dat", DatabaseText({GasRecord("AR")}))};
    QTest::mouseClick(Find("CMD1"), Qt::LeftButton);
    QTest::mouseClick(Find("CMD2"), Qt::LeftButton);
    model.LOS1.SelectByName("AR");
    model.LOS2.SelectByName("AR");
    model.TXT1K.SetText("1000");
    view->Refresh();
  }

  TempDir dir;
  std::string record;
};

TEST_F(CopyTest, BoxesCopyTheValuesBehindTheirTexts) {
  ASSERT_EQ(model.PropTxt[0].Text(), "2.51234568E+00");
  CopyFrom(Find("PropTxt(0)"));
  EXPECT_EQ(Clipboard(), "2.5123456789012");
  CopyFrom(Find("PropTxt(6)"));
  EXPECT_EQ(Clipboard(), "4.37966038E+00");

  // Cp at 1000 K from the file's digits, not from the box's nine, and its low-set twin.
  CoefficientSet file_set{2.5123456789012, 0, 0, 0, 0, -745.375, 4.37966038};
  const double full = EvalCp(file_set, 1000);
  CoefficientSet box_set = file_set;
  box_set[0] = 2.51234568;
  ASSERT_NE(full, EvalCp(box_set, 1000));
  ASSERT_EQ(model.TXT1CP.Text(), " 4.993");
  ASSERT_TRUE(model.TXT1CPBis.Visible());
  for (const char* box : {"TXT1CP", "TXT1CPBis"}) {
    CopyFrom(Find(box));
    EXPECT_EQ(Clipboard().toStdString(), NumberText(full).substr(1)) << box;
  }
  CopyFrom(Find("TXT1S"));
  EXPECT_EQ(Clipboard().toStdString(), NumberText(EvalS(file_set, 1000)).substr(1));

  // A part of the text selected by the user is copied as it stands.
  auto* h = Find<QLineEdit>("TXT1H");
  h->setSelection(1, 2);
  CopyFrom(h);
  EXPECT_EQ(Clipboard(), h->text().mid(1, 2));
}

TEST_F(CopyTest, ABoxThatNoLongerShowsTheRecordCopiesItsOwnText) {
  // DB #2's coefficient boxes can be edited; the edited text is what the box holds.
  auto* a1 = Find<QLineEdit>("PropTxt(14)");
  a1->selectAll();
  QTest::keyClicks(a1, "3.0");
  CopyFrom(a1);
  EXPECT_EQ(Clipboard(), "3.0");
  // Out of range, and no temperature: the text shown.
  model.TXT1K.SetText("9000");
  view->Refresh();
  CopyFrom(Find("TXT1CP"));
  EXPECT_EQ(Clipboard(), "xxx");
  // The file changed since the species was shown: its value is no longer the record's.
  dir.Write("a.dat", DatabaseText({GasRecord("AR"), GasRecord("NE")}));
  CopyFrom(Find("PropTxt(0)"));
  EXPECT_EQ(Clipboard(), "2.51234568E+00");
}

TEST_F(CopyTest, CopySpeciesGivesTheRecordsLinesAsInTheFile) {
  std::string lines = record;
  for (std::size_t at; (at = lines.find("\r\n")) != std::string::npos;) lines.replace(at, 2, "\n");
  CopyFrom(Find("LOS1"));
  EXPECT_EQ(Clipboard().toStdString(), lines);
  ASSERT_EQ(lines.front(), 'a');

  // The same from the filtered rows, and from the context menu's action.
  QTest::keyClicks(Find("LOS1Filter"), "ar");
  CopyFrom(Find("LOS1"));
  EXPECT_EQ(Clipboard().toStdString(), lines);
  QApplication::clipboard()->clear();
  Find("LOS1")->findChild<QAction*>("LOS1CopySpecies")->trigger();
  EXPECT_EQ(Clipboard().toStdString(), lines);
}

TEST(TabTables, CaptionColumnsAndRows) {
  struct Case {
    std::string report;
    std::vector<TabTable> tables;
  };
  const Case cases[] = {
      {"Heading\r\n\r\nT (K) =  300\t\t\r\nSpecies\tCp1\tCp2\r\nAR\t 4.968\t 4.968\r\n \r\n"
       " \r\nT (K) =  1000\t\t\r\nSpecies\tCp1\tCp2\r\n",
       {{"T (K) = 300", {"Species", "Cp1", "Cp2"}, {{"AR", " 4.968", " 4.968"}}},
        {"T (K) = 1000", {"Species", "Cp1", "Cp2"}, {}}}},
      {"a\tb\nc\td\n", {{"", {"a", "b"}, {{"c", "d"}}}}},
      {"no tables here\r\n", {}},
      {"", {}},
  };
  for (const Case& c : cases) {
    const std::vector<TabTable> tables = TabTables(c.report);
    ASSERT_EQ(tables.size(), c.tables.size()) << c.report;
    for (std::size_t i = 0; i < tables.size(); ++i) {
      EXPECT_EQ(tables[i].caption, c.tables[i].caption);
      EXPECT_EQ(tables[i].columns, c.tables[i].columns);
      EXPECT_EQ(tables[i].rows, c.tables[i].rows);
    }
  }
}

using ReportViewerTest = WindowTest;

TEST_F(ReportViewerTest, TheLinkOpensTheReportsWithComp2AsTables) {
  TempDir dir;
  platform.file_answers = {
      dir.Write("a.dat", DatabaseText({GasRecord("AR"), GasRecord("CH4"), GasRecord("NE")})),
      dir.Write("b.dat", DatabaseText({GasRecord("AR"), GasRecord("CH4")}))};
  QTest::mouseClick(Find("CMD1"), Qt::LeftButton);
  QTest::mouseClick(Find("CMD2"), Qt::LeftButton);
  auto* link = Find<QToolButton>("ViewReport");
  EXPECT_FALSE(link->isVisible());
  QTest::mouseClick(Find("CMD3"), Qt::LeftButton);
  EXPECT_TRUE(link->isVisible());
  QTest::mouseClick(Find("CMD4"), Qt::LeftButton);
  ASSERT_TRUE(link->isVisible());

  QTest::mouseClick(link, Qt::LeftButton);
  auto* viewer = view->findChild<ReportViewer*>("ReportViewer");
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(viewer->isVisible());
  EXPECT_EQ(viewer->findChild<QPlainTextEdit*>("CompText")->toPlainText().toStdString(), [&] {
    std::string text = ReadBytes(dir.File("Comp.txt"));
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) {
      text.replace(at, 2, "\n");
    }
    return text;
  }());
  EXPECT_TRUE(viewer->findChild<QPlainTextEdit*>("CompText")->isReadOnly());
  auto* tables = viewer->findChild<QTabWidget*>("Comp2Tables");
  ASSERT_EQ(tables->count(), 3);
  EXPECT_EQ(tables->tabText(0), "T (K) = 300");
  EXPECT_EQ(tables->tabText(2), "T (K) = 2000");
  auto* table = qobject_cast<QTableView*>(tables->widget(1));
  ASSERT_EQ(table->model()->rowCount(), 2);
  ASSERT_EQ(table->model()->columnCount(), 10);
  EXPECT_EQ(table->model()->headerData(3, Qt::Horizontal).toString(), "Cp1/Cp2");
  EXPECT_EQ(table->model()->index(1, 0).data().toString(), "CH4");
  EXPECT_EQ(table->model()->index(1, 3).data().toString(), " 1");
  EXPECT_EQ(table->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_NE(viewer->findChild<QPushButton*>("OpenFolder"), nullptr);
  viewer->close();

  // A new load empties the status lines, and the link goes with them.
  platform.file_answers = {dir.File("a.dat")};
  QTest::mouseClick(Find("CMD1"), Qt::LeftButton);
  EXPECT_FALSE(link->isVisible());
}

// The reports folder of the comparison frame: chosen in its menu, used by Compare and the View
// report link, kept for the next start, and given back to DB #1's folder.
TEST_F(ReportViewerTest, TheReportsFolderIsChosenRememberedAndGivenBack) {
  TempDir dir, out;
  platform.file_answers = {dir.Write("a.dat", DatabaseText({GasRecord("AR")})),
                           dir.Write("b.dat", DatabaseText({GasRecord("AR")}))};
  QTest::mouseClick(Find("CMD1"), Qt::LeftButton);
  QTest::mouseClick(Find("CMD2"), Qt::LeftButton);
  auto* folder = Find<QToolButton>("ReportsFolder");
  EXPECT_EQ(folder->text(), "Reports folder: beside DB #1");
  const QList<QAction*> actions = folder->menu()->actions();
  ASSERT_EQ(actions.size(), 2);

  platform.folder_answers = {out.Path().string()};
  actions[0]->trigger();
  EXPECT_EQ(model.common.ReportsDir, out.Path().string() + "/");
  EXPECT_TRUE(folder->toolTip().contains(QString::fromStdString(out.Path().string())));
  QTest::mouseClick(Find("CMD3"), Qt::LeftButton);
  EXPECT_TRUE(Find<QToolButton>("ViewReport")->isVisible());
  EXPECT_TRUE(std::filesystem::exists(out.File("Comp.txt")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("Comp.txt")));

  {
    ScriptedPlatform next_platform;
    MainWindowModel next_start(next_platform);
    next_start.Load();
    MainWindow next_view(next_start);
    EXPECT_EQ(next_start.common.ReportsDir, out.Path().string() + "/");
  }

  actions[1]->trigger();
  EXPECT_EQ(model.common.ReportsDir, "");
  EXPECT_EQ(folder->text(), "Reports folder: beside DB #1");
  ScriptedPlatform next_platform;
  MainWindowModel next_start(next_platform);
  next_start.Load();
  MainWindow next_view(next_start);
  EXPECT_EQ(next_start.common.ReportsDir, "");
}

}  // namespace
}  // namespace tabulon::gui::testing
