// SPDX-License-Identifier: GPL-3.0-or-later
// The window's two ways to write a new database: the repair preview of a check's findings, and
// the merge marked in the Differences window and the comparison lists; both never over a
// loaded database.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <QAction>
#include <QChart>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>

#include "app/qt/list_box_widget.h"
#include "app/qt/plot/plot_charts.h"
#include "tests/check_records.h"
#include "tests/gui/gui_fixture.h"
#include "tests/test_support.h"

namespace tabulon::gui::testing {
namespace {

using tabulon::testing::kFlat;
using tabulon::testing::kFlatHsJump;
using tabulon::testing::ReadBytes;
using tabulon::testing::RecordsDatabaseText;
using tabulon::testing::TempDir;

// What the modal windows of a save said, in order, the save dialog answered with `path`: an
// overwrite question is answered yes, every message is read and closed.
class SaveDialogAnswers {
 public:
  explicit SaveDialogAnswers(std::string path) : path_(std::move(path)) {
    poll_.start(10);
    QObject::connect(&poll_, &QTimer::timeout, [this] { Answer(); });
  }
  // The names the dialog listed in its folder.
  QStringList listed;
  QStringList messages;

 private:
  void Answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == last_) return;
    last_ = modal;
    if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      auto* files = dialog->findChild<QListView*>("listView");
      if (!QTest::qWaitFor([&] { return files->model()->rowCount(files->rootIndex()) > 0; },
                           5000)) {
        listed << "(nothing listed)";
      }
      for (int row = 0; row < files->model()->rowCount(files->rootIndex()); ++row) {
        listed << files->model()->index(row, 0, files->rootIndex()).data().toString();
      }
      // Typed in and accepted later, from the event loop: the dialog's own folder listing has
      // settled by then, and a question the dialog asks finds this poll free to answer it (a
      // timer does not fire while its own slot runs).
      QTimer::singleShot(0, dialog, [dialog, path = QString::fromStdString(path_)] {
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
      });
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      if (box->text().contains("already exists")) {
        QMetaObject::invokeMethod(box->button(QMessageBox::Yes), "click", Qt::QueuedConnection);
      } else {
        messages << box->text();
        box->close();
      }
    }
  }

  std::string path_;
  QTimer poll_;
  QWidget* last_ = nullptr;
};

class RepairAndMergeTest : public WindowTest {
 protected:
  void Load(const char* button, const std::string& path) {
    platform.file_answers.push_back(path);
    QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
  }

  // The window of this name, once its status line holds `ready`.
  QWidget* Opened(const char* name, const char* ready) {
    QWidget* window = nullptr;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
          window = view->findChild<QWidget*>(name);
          auto* status = window ? window->findChild<QLabel*>("status") : nullptr;
          return status && status->text().contains(ready);
        },
        10000))
        << name;
    return window;
  }

  static QString Cell(QTableView* table, int row, int column) {
    return table->model()->index(row, column).data().toString();
  }

  static int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
      ++count;
    }
    return count;
  }

  // Saves through `button`, first to `target` (a new file), then to the last of the `loaded`
  // databases: the save dialog lists the folder's notes.txt but no loaded database, the first
  // save's message starts with `said`, and the second is refused and leaves the file as it was.
  void ExpectSavesOnlyANewFile(QPushButton* button, const std::string& target, const char* said,
                               const std::vector<std::string>& loaded) {
    {
      SaveDialogAnswers answers(target);
      QTest::mouseClick(button, Qt::LeftButton);
      EXPECT_TRUE(answers.listed.contains("notes.txt")) << answers.listed.join(",").toStdString();
      for (const std::string& path : loaded) {
        const QString name = QString::fromStdString(std::filesystem::path(path).filename());
        EXPECT_FALSE(answers.listed.contains(name)) << path;
      }
      ASSERT_EQ(answers.messages.size(), 1);
      EXPECT_TRUE(answers.messages[0].startsWith(said)) << answers.messages[0].toStdString();
    }
    const std::string before = ReadBytes(loaded.back());
    SaveDialogAnswers refused(loaded.back());
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(refused.messages.size(), 1);
    EXPECT_TRUE(refused.messages[0].contains("is a database in use"))
        << refused.messages[0].toStdString();
    EXPECT_EQ(ReadBytes(loaded.back()), before);
  }

  TempDir dir;
};

TEST_F(RepairAndMergeTest, RepairPreviewPlotsAndSavesANewFile) {
  // Line 3: SHIFTED, whose H and S jump; line 7: REFIT, whose Cp jumps by 0.25 (cp/R).
  const std::string text = RecordsDatabaseText(
      {{.name = "SHIFTED", .high_set = kFlatHsJump, .low_set = kFlat},
       {.name = "REFIT", .high_set = {5, 0, 0, 0, 0, -2000, 4}, .low_set = kFlat}});
  const std::string db = dir.Write("db.dat", text);
  dir.Write("notes.txt", "not a database\n");
  Load("CMD1", db);
  QTest::mouseClick(Find<QPushButton>("CheckDB1"), Qt::LeftButton);
  QWidget* findings = Opened("FindingsDB1", " in ");
  ASSERT_NE(findings, nullptr);
  QTest::mouseClick(findings->findChild<QPushButton*>("repair"), Qt::LeftButton);
  QWidget* preview = Opened("RepairPreview", "considered");
  ASSERT_NE(preview, nullptr);
  auto* table = preview->findChild<QTableView*>("repairs");
  ASSERT_EQ(table->model()->rowCount(), 2);
  EXPECT_EQ(Cell(table, 0, 2), "shift");
  EXPECT_EQ(Cell(table, 1, 2), "refused");  // a refit changes Cp by about 2 cal/mol/K

  preview->findChild<QLineEdit*>("maxDcp")->setText("5");
  QTest::mouseClick(preview->findChild<QPushButton*>("run"), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Cell(table, 1, 2) == "refit"; }, 10000));

  // A double-click plots the record before (dashed) and after (solid) the repair.
  table->selectRow(0);
  emit table->doubleClicked(table->model()->index(0, 0));
  QWidget* plot = view->findChild<QWidget*>("RepairPlot");
  ASSERT_NE(plot, nullptr);
  EXPECT_TRUE(plot->windowTitle().contains("SHIFTED")) << plot->windowTitle().toStdString();
  auto* charts = plot->findChild<PlotCharts*>();
  ASSERT_NE(charts, nullptr);
  std::map<QString, Qt::PenStyle> styles;
  for (QAbstractSeries* series : charts->Chart(PlotProperty::Cp)->series()) {
    if (auto* line = qobject_cast<QLineSeries*>(series))
      styles[line->objectName()] = line->pen().style();
  }
  EXPECT_EQ(styles["before:high"], Qt::DashLine);
  EXPECT_EQ(styles["before:low"], Qt::DashLine);
  EXPECT_EQ(styles["after:high"], Qt::SolidLine);
  EXPECT_EQ(styles["after:low"], Qt::SolidLine);

  const std::string target = dir.File("db-repaired.dat");
  ExpectSavesOnlyANewFile(preview->findChild<QPushButton*>("saveRepaired"), target,
                          "The repaired database is saved.", {db});
  const std::string written = ReadBytes(target);
  EXPECT_EQ(Count(written, "\n! repaired: high-range a6, a7 shifted to join at 1000 K"), 1);
  EXPECT_EQ(Count(written, "\n! repaired: high-range a1..a7 refitted to join at 1000 K"), 1);
}

TEST_F(RepairAndMergeTest, MarksShowInTheListsAndTheMergedFileHoldsThem) {
  const std::string one = dir.Write("one.dat", RecordsDatabaseText({{.name = "A"}, {.name = "B"}}));
  const std::string two_text =
      RecordsDatabaseText({{.name = "B", .high_set = kFlat, .low_set = kFlat}, {.name = "C"}});
  const std::string two = dir.Write("two.dat", two_text);
  dir.Write("notes.txt", "not a database\n");
  Load("CMD1", one);
  Load("CMD2", two);
  QTest::mouseClick(Find<QPushButton>("CMD3"), Qt::LeftButton);
  ASSERT_EQ(model.LOS3.Items(), std::vector<std::string>{"B"});
  ASSERT_EQ(model.LOS5.Items(), std::vector<std::string>{"C"});

  QTest::mouseClick(Find<QPushButton>("Differences"), Qt::LeftButton);
  QWidget* differences = Opened("DifferencesView", " in both");
  ASSERT_NE(differences, nullptr);
  differences->findChild<QTableView*>("differences")->selectRow(0);
  QTest::mouseClick(differences->findChild<QPushButton*>("take"), Qt::LeftButton);
  QTest::mouseClick(differences->findChild<QPushButton*>("addOnly"), Qt::LeftButton);
  const QListWidgetItem* b = view->ListOf(model.LOS3).item(0);
  const QListWidgetItem* c = view->ListOf(model.LOS5).item(0);
  EXPECT_TRUE(b->font().italic());
  EXPECT_EQ(b->toolTip(), "Taken from DB #2 in a merged database");
  EXPECT_TRUE(c->font().italic());

  // The common list's own command undoes the mark and makes it again.
  model.LOS3.SelectByName("B");
  QAction* take = view->ListOf(model.LOS3).findChild<QAction*>("LOS3Take");
  ASSERT_NE(take, nullptr);
  take->trigger();
  EXPECT_FALSE(b->font().italic());
  take->trigger();
  EXPECT_TRUE(b->font().italic());

  const std::string target = dir.File("merged.dat");
  ExpectSavesOnlyANewFile(differences->findChild<QPushButton*>("saveMerged"), target,
                          "1 species taken from DB #2, 1 added.", {one, two});
  const std::string merged = ReadBytes(target);
  EXPECT_EQ(Count(merged, "! taken from " + two + " line 3\n"), 1) << merged;
  EXPECT_EQ(Count(merged, "! added from " + two + " line 7\n"), 1) << merged;
  // B's lines are DB #2's, byte for byte.
  const std::string b_of_two =
      two_text.substr(two_text.find("B "), two_text.find("C ") - two_text.find("B "));
  EXPECT_EQ(Count(merged, b_of_two), 1);
}

}  // namespace
}  // namespace tabulon::gui::testing
