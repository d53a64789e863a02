// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>
#include <string>

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QUrl>

#include "app/qt/database_file_loader.h"
#include "app/qt/file_history.h"
#include "app/qt/qt_platform.h"
#include "tests/compare_fixture.h"
#include "tests/gui/gui_fixture.h"
#include "tests/test_support.h"

namespace tabulon::gui::testing {
namespace {

using tabulon::testing::DatabaseText;
using tabulon::testing::GasRecord;
using tabulon::testing::TempDir;

QString Q(const std::string& path) {
  return QString::fromStdString(path);
}

// Drops `files` at `at` (window coordinates) on the window; returns whether the drop was taken.
bool Drop(QWidget& window, const std::vector<std::string>& files, QPoint at) {
  QMimeData data;
  QList<QUrl> urls;
  for (const std::string& file : files) urls.append(QUrl::fromLocalFile(Q(file)));
  data.setUrls(urls);
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &move);
  if (!move.isAccepted()) return false;
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &drop);
  QCoreApplication::processEvents();  // the load runs once the drop has ended
  return drop.isAccepted();
}

class WindowFilesTest : public WindowTest {
 protected:
  WindowFilesTest() {
    a = dir.Write("a.dat", DatabaseText({GasRecord("AR"), GasRecord("CH4")}));
    b = dir.Write("b.dat", DatabaseText({GasRecord("N2")}));
  }
  QPoint Inside(const char* frame) { return Find(frame)->geometry().center(); }

  TempDir dir;
  std::string a, b;
};

TEST_F(WindowFilesTest, DroppedFilesLoadAsTheButtonsWouldWithThemChosen) {
  // Two files anywhere: DB #1 and DB #2, without a dialog.
  EXPECT_TRUE(Drop(*view, {a, b}, Inside("Frm3")));
  EXPECT_EQ(model.common.DB1Path, a);
  EXPECT_EQ(model.common.DB2Path, b);
  EXPECT_EQ(Find<QLabel>("List1Nbr")->text(), "(2)");
  EXPECT_EQ(Find<QLabel>("List2Nbr")->text(), "(1)");

  // One file: the database of the frame it is dropped on.
  EXPECT_TRUE(Drop(*view, {a}, Inside("Frm2")));
  EXPECT_EQ(model.common.DB2Path, a);
  EXPECT_EQ(model.common.DB1Path, a);
  EXPECT_TRUE(Drop(*view, {b}, Inside("Frm1") + QPoint(0, 40)));
  EXPECT_EQ(model.common.DB1Path, b);

  // Refused: one file outside the database frames, three files, something that is no file.
  EXPECT_FALSE(Drop(*view, {a}, Inside("Frm3")));
  EXPECT_FALSE(Drop(*view, {a, b, a}, Inside("Frm1")));
  QMimeData web;
  web.setUrls({QUrl("https://example.org/therm.dat")});
  QDragMoveEvent move(Inside("Frm1"), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view.get(), &move);
  EXPECT_FALSE(move.isAccepted());
  EXPECT_EQ(model.common.DB1Path, b);
  EXPECT_EQ(model.common.DB2Path, a);
  EXPECT_TRUE(platform.file_requests.empty());
}

TEST_F(WindowFilesTest, PathsGivenAtStartLoadAsFullPaths) {
  const QString current = QDir::currentPath();
  QDir::setCurrent(Q(dir.Path().string()));
  const bool loaded = LoadDatabaseFiles(*view, {"a.dat", "b.dat"});
  QDir::setCurrent(current);
  EXPECT_TRUE(loaded);
  EXPECT_EQ(model.common.DB1Path, a);
  EXPECT_EQ(model.common.DB1Dir, dir.Path().string() + "/");
  EXPECT_EQ(model.common.DB2Path, b);
  EXPECT_EQ(Find<QLabel>("List2Nbr")->text(), "(1)");

  EXPECT_FALSE(LoadDatabaseFiles(*view, {Q(b), Q(b), Q(b)}));
  EXPECT_EQ(model.common.DB1Path, a);
  EXPECT_TRUE(LoadDatabaseFiles(*view, {}));
  EXPECT_TRUE(platform.file_requests.empty());
}

// The window on the desktop's platform services, which keep the recent files.
struct DesktopWindow {
  DesktopWindow() {
    model.Load();
    platform.AttachView(&view);
    view.show();
  }
  QtPlatform platform;
  MainWindowModel model{platform};
  MainWindow view{model};
};

// The tests' settings file (a temporary one, see gui_test_main.cpp), emptied before and after.
class RecentFilesTest : public ::testing::Test {
 protected:
  RecentFilesTest() { Settings().clear(); }
  ~RecentFilesTest() override { Settings().clear(); }
  static QSettings Settings() { return QSettings(QSettings::UserScope, "Tabulon", "tabulon"); }

  TempDir dir;
};

TEST_F(RecentFilesTest, LoadedFilesAreOfferedOnBothButtonsAfterARestart) {
  const std::string a = dir.Write("a.dat", DatabaseText({GasRecord("AR")}));
  const std::string b = dir.Write("b.dat", DatabaseText({GasRecord("N2"), GasRecord("O2")}));
  {
    DesktopWindow first;
    LoadDatabaseFile(first.view, Db::One, Q(a));
    LoadDatabaseFile(first.view, Db::Two, Q(b));
    LoadDatabaseFile(first.view, Db::One, Q(a));  // moves up, not in twice
    EXPECT_EQ(first.model.common.DB2Path, b);
  }

  // Written to the settings file, which the next start reads.
  const std::string on_disk = tabulon::testing::ReadBytes(Settings().fileName().toStdString());
  EXPECT_NE(on_disk.find("a.dat"), std::string::npos) << on_disk;

  DesktopWindow second;
  EXPECT_EQ(file_history::RecentFiles(), (QStringList{Q(a), Q(b)}));
  auto* menu = second.view.findChild<QMenu*>("CMD2RecentMenu");
  ASSERT_NE(menu, nullptr);
  emit menu->aboutToShow();
  const QList<QAction*> entries = menu->actions();
  ASSERT_EQ(entries.size(), 4);  // a, b, a separator, "Clear recent files"
  EXPECT_EQ(entries[1]->data().toString(), Q(b));
  entries[1]->trigger();
  EXPECT_EQ(second.model.common.DB2Path, b);
  EXPECT_EQ(second.view.findChild<QLabel*>("List2Nbr")->text(), "(2)");
  EXPECT_EQ(second.model.common.DB1Path, "");

  // A file that is gone is shown greyed; the list can be cleared.
  std::filesystem::remove(a);
  emit menu->aboutToShow();
  EXPECT_FALSE(menu->actions()[1]->isEnabled());
  menu->actions().back()->trigger();
  EXPECT_TRUE(file_history::RecentFiles().isEmpty());
}

TEST_F(RecentFilesTest, TheDialogOpensInTheLastFolderAndOffersMoreFileTypes) {
  const TempDir other;
  const std::string a = other.Write("a.therm", DatabaseText({GasRecord("AR")}));
  DesktopWindow window;
  LoadDatabaseFile(window.view, Db::One, Q(a));

  QString folder;
  QStringList types;
  QString preselected;
  WhenModalShows([&](QWidget* modal) {
    if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      folder = dialog->directory().absolutePath();
      const auto* combo = dialog->findChild<QComboBox*>("fileTypeCombo");
      for (int i = 0; combo != nullptr && i < combo->count(); ++i) types.append(combo->itemText(i));
      preselected = combo != nullptr ? combo->currentText() : QString();
    }
    modal->close();
  });
  QTest::mouseClick(window.view.findChild<QWidget*>("CMD2"), Qt::LeftButton);
  EXPECT_EQ(QDir(folder), QDir(Q(other.Path().string())));
  // First, and chosen, every name a thermo database goes by: .txt and .therm files show at once.
  const QString all = "Thermo databases (*.dat *.the *.therm *.thermo *.txt *.inp)";
  EXPECT_EQ(preselected, all);
  EXPECT_EQ(types, (QStringList{all, "DAT Files (*.dat)", "THE Files (*.the)", "All Files",
                                "THERM Files (*.therm)", "THERMO Files (*.thermo)",
                                "Text Files (*.txt)", "INP Files (*.inp)"}));
  // The cancel changed nothing in the recent files.
  EXPECT_EQ(file_history::RecentFiles(), QStringList{Q(a)});
}

}  // namespace
}  // namespace tabulon::gui::testing
