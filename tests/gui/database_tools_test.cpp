// SPDX-License-Identifier: GPL-3.0-or-later
#include <atomic>
#include <string>

#include <QAbstractItemModel>
#include <QBrush>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QThread>
#include <QToolButton>

#include "app/qt/background_job.h"
#include "app/qt/deviations_window.h"
#include "app/qt/page_export.h"
#include "tests/gui/gui_fixture.h"
#include "tests/test_support.h"

namespace tabulon::gui::testing {
namespace {

class DatabaseToolsTest : public WindowTest {
 protected:
  void LoadExamples() {
    platform.file_answers.push_back(std::string(TABULON_SOURCE_DIR) + "/examples/therm_a.dat");
    platform.file_answers.push_back(std::string(TABULON_SOURCE_DIR) + "/examples/therm_b.dat");
    QTest::mouseClick(Find<QPushButton>("CMD1"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>("CMD2"), Qt::LeftButton);
  }

  // Opens a tool window with its button and waits until its run has filled the table.
  QWidget* Open(const char* button, const char* window) {
    QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
    QWidget* opened = Find<QWidget>(window);
    if (!opened) return nullptr;
    auto* status = opened->findChild<QLabel*>("status");
    EXPECT_TRUE(QTest::qWaitFor([&] { return status->text().contains(" in "); }, 10000))
        << status->text().toStdString();
    return opened;
  }

  static QString Cell(QTableView* table, int row, int column) {
    return table->model()->index(row, column).data().toString();
  }

  static void DoubleClick(QTableView* table, int row) {
    const QRect cell = table->visualRect(table->model()->index(row, 0));
    // A view takes a double-click only on the item its press landed on, as with a real mouse.
    QTest::mousePress(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
  }

  std::string Selected(const char* list) {
    QListWidget* widget = Find<QListWidget>(list);
    return widget->currentItem() ? widget->currentItem()->text().toStdString() : "";
  }
};

TEST_F(DatabaseToolsTest, TheButtonsLeaveTheWindowAsItWas) {
  // They sit where no control of the window is, and take no tab stop before the window's own.
  for (const char* name : {"CheckDB1", "CheckDB2", "Differences", "ExportHtml"}) {
    QWidget* button = Find<QWidget>(name);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isVisible());
    for (QWidget* sibling :
         button->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (sibling == button || !sibling->isVisible()) continue;
      EXPECT_FALSE(sibling->geometry().intersects(button->geometry()))
          << name << " overlaps " << sibling->objectName().toStdString();
    }
  }
}

TEST_F(DatabaseToolsTest, CheckWithoutADatabaseSaysSo) {
  WhenModalShows([](QWidget* box) { box->close(); });
  QTest::mouseClick(Find<QPushButton>("CheckDB1"), Qt::LeftButton);
  EXPECT_EQ(view->findChild<QWidget*>("FindingsDB1"), nullptr);
}

TEST_F(DatabaseToolsTest, FindingsTableFilterToleranceAndSelection) {
  LoadExamples();
  QWidget* findings = Open("CheckDB2", "FindingsDB2");
  ASSERT_NE(findings, nullptr);
  auto* table = findings->findChild<QTableView*>("findings");
  // therm_b.dat holds CO2 twice, with other data.
  ASSERT_EQ(table->model()->rowCount(), 1);
  EXPECT_EQ(Cell(table, 0, 1), "CO2");
  EXPECT_EQ(Cell(table, 0, 2), "duplicate-conflicting");

  DoubleClick(table, 0);
  EXPECT_EQ(Selected("LOS2"), "CO2");
  EXPECT_EQ(model.LOS2.SelectedText(), "CO2");

  // H2O of therm_b.dat jumps by 0.2 % in Cp at 1000 K: found with a tighter tolerance.
  findings->findChild<QLineEdit*>("tolCp")->setText("0.001");
  QTest::mouseClick(findings->findChild<QPushButton*>("run"), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return table->model()->rowCount() == 2; }, 10000));
  auto* filter = findings->findChild<QComboBox*>("codeFilter");
  filter->setCurrentText("cp-jump");
  ASSERT_EQ(table->model()->rowCount(), 1);
  EXPECT_EQ(Cell(table, 0, 1), "H2O");
  filter->setCurrentIndex(0);
  EXPECT_EQ(table->model()->rowCount(), 2);
}

TEST_F(DatabaseToolsTest, DifferencesHighlightAboveTolerancesAndSelectBothLists) {
  LoadExamples();
  QWidget* differences = Open("Differences", "DifferencesView");
  ASSERT_NE(differences, nullptr);
  auto* table = differences->findChild<QTableView*>("differences");
  ASSERT_EQ(table->model()->rowCount(), 12);  // the species of both examples
  EXPECT_EQ(Cell(table, 0, 0), "CH4") << "largest Cp difference first";

  differences->findChild<QLineEdit*>("tolCp")->setText("0.02");
  differences->findChild<QLineEdit*>("tolH")->setText("0.3");
  differences->findChild<QLineEdit*>("tolS")->setText("100");
  QStringList highlighted;
  for (int row = 0; row < table->model()->rowCount(); ++row) {
    const QModelIndex index = table->model()->index(row, 0);
    if (index.data(Qt::BackgroundRole).isValid() &&
        index.data(Qt::BackgroundRole).value<QBrush>().style() != Qt::NoBrush) {
      highlighted << index.data().toString();
    }
  }
  highlighted.sort();
  // CH4 and CO2 by Cp (0.062, 0.027), OH by H (0.36).
  EXPECT_EQ(highlighted, QStringList({"CH4", "CO2", "OH"}));

  for (int row = 0; row < table->model()->rowCount(); ++row) {
    if (Cell(table, row, 0) == "OH") DoubleClick(table, row);
  }
  EXPECT_EQ(Selected("LOS1"), "OH");
  EXPECT_EQ(Selected("LOS2"), "OH");
  // ... and its plot opens, drawn from both databases.
  QWidget* plot = view->findChild<QWidget*>("PlotWindow");
  ASSERT_NE(plot, nullptr);
  EXPECT_TRUE(plot->isVisible());
  EXPECT_TRUE(plot->windowTitle().contains("OH")) << plot->windowTitle().toStdString();
}

TEST_F(DatabaseToolsTest, AfterCompareTheComparisonFrameExportsThePageIntoTheReportsFolder) {
  const tabulon::testing::TempDir dir;
  std::string db[2];
  for (int i : {0, 1}) {
    const std::string name = i == 0 ? "therm_a.dat" : "therm_b.dat";
    db[i] = dir.Write(name, tabulon::testing::ReadBytes(tabulon::testing::ExampleFile(name)));
    platform.file_answers.push_back(db[i]);
  }
  QTest::mouseClick(Find<QPushButton>("CMD1"), Qt::LeftButton);
  QTest::mouseClick(Find<QPushButton>("CMD2"), Qt::LeftButton);
  auto* export_page = Find<QToolButton>("ExportHtml");
  ASSERT_NE(export_page, nullptr);
  EXPECT_FALSE(export_page->isEnabled());
  QTest::mouseClick(Find<QPushButton>("CMD3"), Qt::LeftButton);
  ASSERT_TRUE(export_page->isEnabled());

  // The dialog offers comparison.html in the reports folder, beside DB #1; the user accepts.
  QString offered;
  WhenModalShows([&offered](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    offered = dialog->selectedFiles().value(0);
    static_cast<QDialog*>(dialog)->accept();  // as the Save button does
  });
  QTest::mouseClick(export_page, Qt::LeftButton);
  const std::string page = dir.File("comparison.html");
  EXPECT_EQ(offered.toStdString(), page);
  auto* writing = view->findChild<PageExportWindow*>("PageExport");
  ASSERT_NE(writing, nullptr);
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        return writing->StatusText() == QString::fromStdString("HTML report written: " + page);
      },
      10000))
      << writing->StatusText().toStdString();
  EXPECT_TRUE(writing->findChild<QPushButton*>("openPage")->isVisible());
  const std::string html = tabulon::testing::ReadBytes(page);
  EXPECT_TRUE(html.starts_with("<!DOCTYPE html>")) << html.substr(0, 80);
  EXPECT_NE(html.find("Written by Tabulon 1.20 on "), std::string::npos);

  // Never over one of its databases: a message says why, and the database stays as it was.
  QString message;
  WhenModalShows([&message](QWidget* box) {
    message = box->findChild<QLabel*>("qt_msgbox_label")->text();
    box->close();
  });
  auto* refused = new PageExportWindow({db[0], db[1]}, db[0], view.get());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !message.isEmpty(); }, 10000));
  EXPECT_EQ(message.toStdString(), db[0] + " was not written: it is the database " + db[0]);
  EXPECT_EQ(refused->StatusText(), "The HTML report was not written.");
  EXPECT_EQ(tabulon::testing::ReadBytes(db[0]),
            tabulon::testing::ReadBytes(tabulon::testing::ExampleFile("therm_a.dat")));

  // Another load undoes the comparison, and the export waits for the next Compare.
  platform.file_answers.push_back(db[1]);
  QTest::mouseClick(Find<QPushButton>("CMD2"), Qt::LeftButton);
  EXPECT_FALSE(export_page->isEnabled());
}

TEST(BackgroundJob, CancelStopsTheWorkAndDropsItsResult) {
  BackgroundJob job;
  QSignalSpy finished(&job, &BackgroundJob::finished);
  bool delivered = false;
  job.Start([&delivered](JobControl& control) -> std::function<void()> {
    for (std::size_t i = 0; control.Report(i, 1000000); ++i) QThread::msleep(1);
    return [&delivered] { delivered = true; };
  });
  QTest::qWait(20);
  EXPECT_TRUE(job.Running());
  job.Cancel();
  ASSERT_TRUE(finished.wait(5000));
  EXPECT_FALSE(delivered);
  EXPECT_TRUE(job.Cancelled());

  // A finished run hands its result over on the window's thread.
  std::atomic<bool> ran_here{false};
  job.Start([&ran_here](JobControl&) -> std::function<void()> {
    return [&ran_here] { ran_here = QThread::currentThread() == qApp->thread(); };
  });
  ASSERT_TRUE(finished.wait(5000));
  EXPECT_TRUE(ran_here);
}

TEST(BackgroundJob, DestroyedWhileRunningWaitsForTheWork) {
  std::atomic<bool> stopped{false};
  {
    BackgroundJob job;
    job.Start([&stopped](JobControl& control) -> std::function<void()> {
      while (control.Report(0, 1)) QThread::msleep(1);
      stopped = true;
      return {};
    });
    QTest::qWait(10);
  }
  EXPECT_TRUE(stopped);
}

}  // namespace
}  // namespace tabulon::gui::testing
