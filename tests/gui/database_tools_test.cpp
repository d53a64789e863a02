// SPDX-License-Identifier: GPL-3.0-or-later
#include <atomic>
#include <functional>
#include <string>

#include <QAbstractItemModel>
#include <QBrush>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QThread>
#include <QToolButton>

#include "app/qt/background_job.h"
#include "app/qt/deviations_window.h"
#include "app/qt/list_box_widget.h"
#include "app/qt/page_export.h"
#include "common/number_text.h"
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

class DatabaseToolsTest : public WindowTest {
 protected:
  void LoadExamples() {
    Load(std::string(TABULON_SOURCE_DIR) + "/examples/therm_a.dat",
         std::string(TABULON_SOURCE_DIR) + "/examples/therm_b.dat");
  }

  void Load(const std::string& first, const std::string& second) {
    platform.file_answers = {first, second};
    QTest::mouseClick(Find<QPushButton>("CMD1"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>("CMD2"), Qt::LeftButton);
  }

  // Waits until the run of a results window has filled its table.
  static void WaitForResults(QWidget* window) {
    auto* status = window->findChild<QLabel*>("status");
    EXPECT_TRUE(QTest::qWaitFor([&] { return status->text().contains(" in "); }, 10000))
        << status->text().toStdString();
  }

  // Opens a tool window with its button and waits until its run has filled the table.
  QWidget* Open(const char* button, const char* window) {
    QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
    QWidget* opened = Find<QWidget>(window);
    if (opened) WaitForResults(opened);
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
  QString said;
  WhenModalShows([&said](QWidget* box) {
    if (auto* message = qobject_cast<QMessageBox*>(box)) said = message->text();
    box->close();
  });
  QTest::mouseClick(Find<QPushButton>("CheckDB1"), Qt::LeftButton);
  EXPECT_EQ(said, "Load database #1 first.");
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
  filter->setCurrentText("cp-jump (1)");
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

// Findings of four codes, by file line: B 7 limits, A 15 duplicate-identical, D 19 limits,
// C 23 duplicate-conflicting, E 27 limits, F 31 hf-mismatch (a long detail).
std::string ThreeCodes(const TempDir& dir) {
  const std::string cold = "100.000";  // a high limit below the low one
  return dir.Write(
      "codes.dat",
      DatabaseText({GasRecord("A"), GasRecord("B", GasFields(), cold), GasRecord("C"),
                    GasRecord("A"), GasRecord("D", GasFields(), cold),
                    GasRecord("C", GasFields("2.6")), GasRecord("E", GasFields(), cold),
                    GasRecord("F", GasFields("2.5", "4.37966038E+00", "1.0E+05"))}));
}

TEST_F(DatabaseToolsTest, TheFindingsWindowOffersTheCodesFoundAndKeepsLineOrderWithinACode) {
  const TempDir dir;
  const std::string path = ThreeCodes(dir);
  Load(path, path);
  QWidget* findings = Open("CheckDB1", "FindingsDB1");
  ASSERT_NE(findings, nullptr);
  auto* table = findings->findChild<QTableView*>("findings");
  auto* filter = findings->findChild<QComboBox*>("codeFilter");
  auto* status = findings->findChild<QLabel*>("status");
  QStringList offered;
  for (int i = 0; i < filter->count(); ++i) offered << filter->itemText(i);
  EXPECT_EQ(offered, QStringList({"All codes (6)", "duplicate-conflicting (1)",
                                  "duplicate-identical (1)", "hf-mismatch (1)", "limits (3)"}));
  EXPECT_EQ(status->text(), "6 findings in 8 records");

  const auto lines = [&] {
    QStringList shown;
    for (int row = 0; row < table->model()->rowCount(); ++row) shown << Cell(table, row, 0);
    return shown.join(' ');
  };
  const struct {
    const char* code;  // the filter's text
    Qt::SortOrder order;
    const char* lines;
    const char* status;
  } cases[] = {
      {"All codes (6)", Qt::AscendingOrder, "23 15 31 7 19 27", "6 findings in 8 records"},
      {"All codes (6)", Qt::DescendingOrder, "7 19 27 31 15 23", "6 findings in 8 records"},
      {"limits (3)", Qt::DescendingOrder, "7 19 27",
       "3 of 6 findings shown (limits), in 8 records"},
      {"duplicate-identical (1)", Qt::AscendingOrder, "15",
       "1 of 6 findings shown (duplicate-identical), in 8 records"},
  };
  for (const auto& c : cases) {
    filter->setCurrentText(c.code);
    table->sortByColumn(2, c.order);  // by code
    EXPECT_EQ(lines(), c.lines) << c.code << " " << c.order;
    EXPECT_EQ(status->text(), c.status);
  }

  // A detail wider than its column is cut short, with the whole text as its tooltip.
  filter->setCurrentIndex(0);
  table->sortByColumn(0, Qt::AscendingOrder);
  findings->resize(400, findings->height());  // as narrow as its controls let it be
  const QModelIndex detail = table->model()->index(5, 3);
  const QString text = detail.data().toString();
  EXPECT_TRUE(text.startsWith("Hf/R field 100000 K")) << text.toStdString();
  EXPECT_EQ(detail.data(Qt::ToolTipRole).toString(), text);
  EXPECT_LT(table->columnWidth(3), table->fontMetrics().horizontalAdvance(text));
  EXPECT_EQ(table->textElideMode(), Qt::ElideRight);

  // Export CSV opens in the database's folder.
  QString folder;
  WhenModalShows([&](QWidget* modal) {
    if (auto* dialog = qobject_cast<QFileDialog*>(modal)) folder = dialog->directory().path();
    modal->close();
  });
  QTest::mouseClick(findings->findChild<QPushButton*>("exportCsv"), Qt::LeftButton);
  EXPECT_EQ(QDir(folder), QDir(QString::fromStdString(dir.Path().string())));
  findings->close();
}

// A species chosen from elsewhere that a species filter hides clears that filter, and each frame
// names the species its boxes hold, with the line of its record.
TEST_F(DatabaseToolsTest, ASpeciesChosenElsewhereShowsInItsListAndFrameCaption) {
  const TempDir dir;
  const auto copy = [&](const char* name, const char* example) {
    return dir.Write(name, ReadBytes(std::string(TABULON_SOURCE_DIR) + "/examples/" + example));
  };
  Load(copy("a.dat", "therm_a.dat"), copy("b.dat", "therm_b.dat"));
  QTest::mouseClick(Find<QPushButton>("CMD3"), Qt::LeftButton);  // fills the comparison lists
  // Compare Common Species leaves the last common species in both frames.
  QTest::mouseClick(Find<QPushButton>("CMD4"), Qt::LeftButton);
  EXPECT_EQ(view->LabelOf(model.FrameSpecies1).text(), "OH (line 39)  O1 H1  17.007 g/mol  gas");
  EXPECT_EQ(view->LabelOf(model.FrameSpecies2).text(), "OH (line 22)  O1 H1  17.007 g/mol  gas");
  QWidget* findings = Open("CheckDB2", "FindingsDB2");
  QWidget* differences = Open("Differences", "DifferencesView");
  ASSERT_TRUE(findings && differences);
  const auto double_click = [&](QWidget* window, const char* table, const char* name) {
    auto* rows = window->findChild<QTableView*>(table);
    for (int row = 0; row < rows->model()->rowCount(); ++row) {
      if (rows->model()->index(row, 0).data() == name ||
          rows->model()->index(row, 1).data() == name) {
        return DoubleClick(rows, row);
      }
    }
    ADD_FAILURE() << name << " is not in " << table;
  };
  struct Case {
    const char* how;
    std::function<void()> choose;
    std::string name, frame1, frame2;  // the frames' captions afterwards
  } cases[] = {
      {"comparison list",
       [&] {
         QListWidget* common = Find<QListWidget>("LOS3");
         const QRect row = common->visualItemRect(common->findItems("CH4", Qt::MatchExactly)[0]);
         QTest::mouseClick(common->viewport(), Qt::LeftButton, {}, row.center());
       },
       "CH4", "CH4 (line 55)  C1 H4  16.043 g/mol  gas", "CH4 (line 38)  C1 H4  16.043 g/mol  gas"},
      {"finding", [&] { double_click(findings, "findings", "CO2"); }, "CO2", "",
       "CO2 (line 34)  C1 O2  44.009 g/mol  gas"},
      {"difference", [&] { double_click(differences, "differences", "OH"); }, "OH",
       "OH (line 39)  O1 H1  17.007 g/mol  gas", "OH (line 22)  O1 H1  17.007 g/mol  gas"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    model.LOS1.SelectByName("AR");
    model.LOS2.SelectByName("AR");
    model.FrameSpecies1.SetCaption("");  // as before the first choice
    view->Refresh();
    for (const char* filter : {"LOS1Filter", "LOS2Filter"}) {
      QTest::keyClicks(Find<QLineEdit>(filter), "AR");  // hides every name but AR
    }
    c.choose();
    EXPECT_EQ(view->LabelOf(model.FrameSpecies1).text().toStdString(), c.frame1);
    EXPECT_EQ(view->LabelOf(model.FrameSpecies2).text().toStdString(), c.frame2);
    for (const ListBox* list : {&model.LOS1, &model.LOS2}) {
      const ListBoxWidget& widget = view->ListOf(*list);
      const bool chosen = list->SelectedText() == c.name;
      EXPECT_EQ(widget.Filter(), chosen ? "" : "AR") << list->Name();
      EXPECT_EQ(widget.currentItem()->text().toStdString(), list->SelectedText());
    }
    for (const char* filter : {"LOS1Filter", "LOS2Filter"}) Find<QLineEdit>(filter)->clear();
  }
  QApplication::closeAllWindows();
}

// Every results window names the files it was made from, and acts on them alone once the main
// window holds other files: its plots come from its own files, and it selects a species in the
// main window only while the frame holds its file again.
TEST_F(DatabaseToolsTest, ResultsWindowsKeepToTheFilesTheyWereMadeFrom) {
  const TempDir dir;
  const auto copy = [&](const char* name, const char* example) {
    return dir.Write(name, ReadBytes(std::string(TABULON_SOURCE_DIR) + "/examples/" + example));
  };
  const std::string a = copy("a.dat", "therm_a.dat"), b = copy("b.dat", "therm_b.dat");
  Load(a, b);
  model.LOS1.SelectByName("H2O");
  view->Refresh();
  QWidget* findings = Open("CheckDB2", "FindingsDB2");
  QWidget* differences = Open("Differences", "DifferencesView");
  ASSERT_TRUE(findings && differences);
  QTest::mouseClick(Find<QPushButton>("PlotCmd1"), Qt::LeftButton);
  QTest::mouseClick(Find<QPushButton>("TableCmd1"), Qt::LeftButton);
  QTest::mouseClick(Find<QPushButton>("CMD3"), Qt::LeftButton);
  QTest::mouseClick(Find<QToolButton>("ViewReport"), Qt::LeftButton);

  // Other files holding the same names, loaded in both frames.
  Load(dir.Write("other1.dat", DatabaseText({GasRecord("CO2"), GasRecord("OH")})),
       dir.Write("other2.dat", DatabaseText({GasRecord("CO2"), GasRecord("OH")})));
  const std::pair<const char*, QString> titles[] = {
      {"FindingsDB2", "Check - DB #2: b.dat"},
      {"DifferencesView", "Differences - DB #1: a.dat, DB #2: b.dat"},
      {"PlotWindow", "Plot: H2O - DB #1: a.dat"},
      {"PropertyTableWindow", "Table: H2O - DB #1: a.dat"},
      {"ReportViewer", "Reports - DB #1: a.dat, DB #2: b.dat (in " +
                           QDir::toNativeSeparators(QString::fromStdString(dir.File(""))) + ")"},
  };
  for (const auto& [name, title] : titles) {
    QWidget* window = Find<QWidget>(name);
    ASSERT_NE(window, nullptr) << name;
    EXPECT_EQ(window->windowTitle(), title);
    if (window != findings && window != differences) window->close();
  }
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  auto* table = differences->findChild<QTableView*>("differences");
  for (int row = 0; row < table->model()->rowCount(); ++row) {
    if (Cell(table, row, 0) == "OH") DoubleClick(table, row);
  }
  EXPECT_EQ(model.LOS1.SelectedText(), "");
  EXPECT_EQ(model.LOS2.SelectedText(), "");
  EXPECT_EQ(differences->findChild<QLabel*>("status")->text(),
            "DB #1 now holds other1.dat; this window shows a.dat; "
            "DB #2 now holds other2.dat; this window shows b.dat");
  auto* plot = Find<QWidget>("PlotWindow");
  ASSERT_NE(plot, nullptr);
  EXPECT_EQ(plot->windowTitle(), "Plot: OH - DB #1: a.dat, DB #2: b.dat");
  plot->close();

  // CO2, the repeat in b.dat, once b.dat is DB #2 again: selected there.
  auto* found = findings->findChild<QTableView*>("findings");
  DoubleClick(found, 0);
  EXPECT_EQ(model.LOS2.SelectedText(), "");
  EXPECT_EQ(findings->findChild<QLabel*>("status")->text(),
            "DB #2 now holds other2.dat; this window shows b.dat");
  platform.file_answers = {b};
  QTest::mouseClick(Find<QPushButton>("CMD2"), Qt::LeftButton);
  DoubleClick(found, 0);
  EXPECT_EQ(model.LOS2.SelectedText(), "CO2");
}

// Two databases of `count` species each: in the second, every third species has another a1 (a
// Cp difference, larger towards the first species), and every name comes once more at its end
// (a repeat the check finds).
std::pair<std::string, std::string> ManyResults(const TempDir& dir, int count) {
  std::vector<std::string> first, second;
  for (int i = 0; i < count; ++i) {
    const std::string name = "S" + std::to_string(i);
    first.push_back(GasRecord(name));
    const std::string a1 = i % 3 == 0 ? NumberText(2.5 + (count - i) * 1e-3) : "2.50000000E+00";
    second.push_back(GasRecord(name, GasFields(a1)));
  }
  for (int i = 0; i < count; ++i) {
    second.push_back(GasRecord("S" + std::to_string(i), GasFields(i % 2 ? "2.6" : "2.5")));
  }
  return {dir.Write("first.dat", DatabaseText(first)),
          dir.Write("second.dat", DatabaseText(second))};
}

TEST_F(DatabaseToolsTest, ResultsReachTheirTableInOneResetAlreadySorted) {
  const TempDir dir;
  const auto [first, second] = ManyResults(dir, 600);
  Load(first, second);
  struct Case {
    const char* button;
    const char* window;
    int rows;
    int sorted_by;  // the column and order the table opens with
    Qt::SortOrder order;
    std::function<void(QWidget*)> again;  // runs the window's job again
  } cases[] = {
      {"CheckDB2", "FindingsDB2", 600, 0, Qt::AscendingOrder,  // by line
       [](QWidget* w) { QTest::mouseClick(w->findChild<QPushButton*>("run"), Qt::LeftButton); }},
      {"Differences", "DifferencesView", 600, 3, Qt::DescendingOrder,  // by dCp
       [](QWidget* w) { qobject_cast<DeviationsWindow*>(w)->Run(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window);
    QTest::mouseClick(Find<QPushButton>(c.button), Qt::LeftButton);
    QWidget* window = Find<QWidget>(c.window);
    ASSERT_NE(window, nullptr);
    auto* table = window->findChild<QTableView*>();
    const QAbstractItemModel* rows =
        qobject_cast<QSortFilterProxyModel*>(table->model())->sourceModel();
    // The run's results are delivered through the event loop, after these spies are set.
    QSignalSpy resets(rows, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(rows, &QAbstractItemModel::rowsInserted);
    QSignalSpy sorts(rows, &QAbstractItemModel::layoutChanged);
    QSignalSpy changes(rows, &QAbstractItemModel::dataChanged);
    WaitForResults(window);
    ASSERT_EQ(table->model()->rowCount(), c.rows);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(inserts.count() + sorts.count() + changes.count(), 0);
    for (int row = 1; row < c.rows; ++row) {
      const double before = table->model()->index(row - 1, c.sorted_by).data().toDouble();
      const double after = table->model()->index(row, c.sorted_by).data().toDouble();
      ASSERT_TRUE(c.order == Qt::AscendingOrder ? before <= after : before >= after) << row;
    }
    // Cancel pressed before a new run hands its results over: they are dropped, the table keeps
    // what it showed, and the status line says so.
    c.again(window);
    auto* cancel = window->findChild<QPushButton*>("cancel");
    ASSERT_TRUE(cancel->isVisible());
    QTest::mouseClick(cancel, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !cancel->isVisible(); }, 5000));
    EXPECT_EQ(qobject_cast<ResultsWindow*>(window)->StatusText(),
              "Cancelled: run it again to see the results.");
    EXPECT_EQ(table->model()->rowCount(), c.rows);
    EXPECT_EQ(resets.count(), 1);
    window->close();
  }
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
  ASSERT_TRUE(QTest::qWaitFor([&] { return job.Done() > 0; }, 5000));  // the work runs
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
    ASSERT_TRUE(QTest::qWaitFor([&] { return job.Total() > 0; }, 5000));  // the work runs
  }
  EXPECT_TRUE(stopped);
}

}  // namespace
}  // namespace tabulon::gui::testing
