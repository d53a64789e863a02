// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>
#include <string>

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include "app/qt/open_file_dialog.h"
#include "app/qt/qt_platform.h"
#include "tests/gui/gui_fixture.h"
#include "tests/test_support.h"

namespace tabulon::gui::testing {
namespace {

const OpenFileRequest kDatabaseRequest{
    .title = "Selection THERMO File...",
    .filter = "DAT Files (*.dat)|*.dat|THE Files (*.the)|*.the|All Files |*.*|",
    .filter_index = 1,
    .initial_dir = "C:\\",
};

// The Qt window with the desktop's platform services.
class QtPlatformTest : public ::testing::Test {
 protected:
  QtPlatformTest() {
    model.Load();
    platform.AttachView(&view);
    view.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
  }

  QtPlatform platform;
  MainWindowModel model{platform};
  MainWindow view{model};
};

TEST(NameFilters, KeepTheCaptionsAndTheirPatterns) {
  EXPECT_EQ(
      NameFilters(kDatabaseRequest.filter),
      (QStringList{"DAT Files (*.dat) (*.dat)", "THE Files (*.the) (*.the)", "All Files  (*.*)"}));
  EXPECT_EQ(NameFilters("Thermo|*.dat;*.the"), QStringList{"Thermo (*.dat *.the)"});
  EXPECT_EQ(NameFilters(""), QStringList{});
}

TEST(OpenFileDialog, ShowsTheCaptionsAndMatchesExtensionsWhateverTheirCase) {
  const tabulon::testing::TempDir dir;
  dir.Write("THERM.DAT", "");
  dir.Write("gri.dat", "");
  dir.Write("nasa.THE", "");
  dir.Write("notes.txt", "");
  OpenFileRequest request = kDatabaseRequest;
  request.initial_dir = dir.Path().string();

  const auto dialog = MakeOpenFileDialog(request, nullptr);
  EXPECT_EQ(dialog->windowTitle(), "Selection THERMO File...");
  EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
  EXPECT_EQ(QDir(dialog->directory()), QDir(QString::fromStdString(dir.Path().string())));
  const auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
  ASSERT_NE(types, nullptr);
  ASSERT_EQ(types->count(), 3);
  EXPECT_EQ(types->itemText(0), "DAT Files (*.dat)");
  EXPECT_EQ(types->itemText(1), "THE Files (*.the)");
  EXPECT_EQ(types->itemText(2), "All Files");
  EXPECT_EQ(dialog->selectedNameFilter(), "DAT Files (*.dat)");

  auto* files = dialog->findChild<QFileSystemModel*>();
  ASSERT_NE(files, nullptr);
  const auto shown = [&] {
    QStringList names;
    const QModelIndex folder = files->index(QString::fromStdString(dir.Path().string()));
    for (int row = 0; row < files->rowCount(folder); ++row) {
      names.append(files->index(row, 0, folder).data().toString());
    }
    names.sort();
    return names;
  };
  EXPECT_TRUE(QTest::qWaitFor([&] { return shown().size() == 2; }));
  EXPECT_EQ(shown(), (QStringList{"THERM.DAT", "gri.dat"}));
  dialog->selectNameFilter("THE Files (*.the) (*.the)");
  EXPECT_TRUE(QTest::qWaitFor([&] { return shown() == QStringList{"nasa.THE"}; }));
}

TEST(OpenFileDialog, StartsInTheHomeFolderWhenTheRequestedOneIsMissing) {
  OpenFileRequest request = kDatabaseRequest;
  request.filter_index = 2;
  const auto dialog = MakeOpenFileDialog(request, nullptr);
  EXPECT_EQ(QDir(dialog->directory()), QDir::home());
  EXPECT_EQ(dialog->selectedNameFilter(), "THE Files (*.the)");
}

TEST_F(QtPlatformTest, TheOpenFileDialogGivesTheChosenPathOrACancel) {
  const tabulon::testing::TempDir dir;
  const std::string path = dir.Write("therm.dat", "THERMO\nEND\n");
  OpenFileRequest request = kDatabaseRequest;
  request.initial_dir = dir.Path().string();

  WhenModalShows([](QWidget* modal) { modal->close(); });
  EXPECT_EQ(platform.ChooseOpenFile(request), std::nullopt);

  WhenModalShows([&](QWidget* modal) {
    // The user types the file's name and opens it.
    if (auto* name = modal->findChild<QLineEdit*>("fileNameEdit")) {
      name->clear();
      QTest::keyClicks(name, "therm.dat");
      QTest::keyClick(name, Qt::Key_Return);
    }
    modal->close();
  });
  EXPECT_EQ(platform.ChooseOpenFile(request), std::optional<std::string>(path));
}

TEST_F(QtPlatformTest, AMessageBoxShowsTheCurrentWindowBehindItsLines) {
  model.msglbl1.SetCaption("Job in progress...");
  QString text, title, behind;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  WhenModalShows([&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      text = box->text();
      title = box->windowTitle();
      icon = box->icon();
      buttons = static_cast<int>(box->buttons().size());
    }
    behind = view.findChild<QLabel*>("msglbl1")->text();
    modal->close();
  });
  platform.ShowMessage(
      {"\r\nTABULON has detected a problem.\r\n<b>Check</b>", "Error", MessageIcon::Error});
  EXPECT_EQ(text, "\nTABULON has detected a problem.\n<b>Check</b>");
  EXPECT_EQ(title, "Error");
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(behind, "Job in progress...");

  WhenModalShows([&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) icon = box->icon();
    modal->close();
  });
  platform.ShowMessage({"T out of range", "Temperature", MessageIcon::Information});
  EXPECT_EQ(icon, QMessageBox::Information);
}

TEST_F(QtPlatformTest, AMessageLineOfMegabytesIsShownShortened) {
  // A repeated-name message carries the species name, which is as long as its line in the file.
  const std::string name(10'000'000, 'A');
  QString text;
  WhenModalShows([&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) text = box->text();
    modal->close();
  });
  platform.ShowMessage({"first\r\n" + name + "\r\nlast", "Error", MessageIcon::Error});
  const QStringList lines = text.split('\n');
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0], "first");
  EXPECT_EQ(lines[1], QString(1000, 'A') + QChar(0x2026));
  EXPECT_EQ(lines[2], "last");
}

TEST_F(QtPlatformTest, TheRepaintPointShowsTheModelsState) {
  model.msglbl1.SetCaption("Job in progress...");
  platform.LetWindowRepaint();
  EXPECT_EQ(view.findChild<QLabel*>("msglbl1")->text(), "Job in progress...");
}

TEST_F(QtPlatformTest, AboutCmdShowsTheAboutWindowModallyAlsoByItsAccessKey) {
  QStringList titles;
  const auto close_about = [&](QWidget* modal) {
    titles.append(modal->windowTitle());
    modal->close();
  };
  WhenModalShows(close_about);
  QTest::mouseClick(view.findChild<QWidget*>("AboutCmd"), Qt::LeftButton);

  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  WhenModalShows(close_about);
  QTest::keyClick(&view, Qt::Key_A, Qt::AltModifier);  // the button clicks after its animation
  EXPECT_TRUE(QTest::qWaitFor([&] { return titles.size() == 2; }));
  EXPECT_EQ(titles, (QStringList{"About Tabulon", "About Tabulon"}));
}

TEST_F(QtPlatformTest, QuitCmdEndsTheProgram) {
  QTimer::singleShot(
      0, [&] { QTest::mouseClick(view.findChild<QWidget*>("QuitCMD"), Qt::LeftButton); });
  EXPECT_EQ(RunUntilTheProgramEnds(), 0);
  EXPECT_FALSE(view.isVisible());
}

}  // namespace
}  // namespace tabulon::gui::testing
