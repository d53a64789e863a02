// SPDX-License-Identifier: GPL-3.0-or-later
// The Plot and Table buttons and the double click that open the plot and table windows from
// the main window, for the species selected there.
#include <QApplication>
#include <QChart>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include "app/qt/plot/plot_window.h"
#include "app/qt/plot/property_table_window.h"
#include "tests/gui/gui_fixture.h"
#include "tests/test_support.h"

namespace tabulon::gui::testing {
namespace {

using tabulon::testing::ReadBytes;
using tabulon::testing::TempDir;

// Top-level windows of a type, newest last; each test closes what it opened.
template <typename Window>
std::vector<Window*> Open() {
  std::vector<Window*> found;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible()) {
      found.push_back(window);
    }
  }
  return found;
}

void CloseAll() {
  for (QWidget* widget : Open<PlotWindow>()) widget->close();
  for (QWidget* widget : Open<PropertyTableWindow>()) widget->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class PlotLaunchTest : public WindowTest {
 protected:
  // Loads copies of the two examples (Compare writes its report beside DB #1).
  void LoadExamples() {
    for (const char* name : {"therm_a.dat", "therm_b.dat"}) {
      platform.file_answers.push_back(
          dir.Write(name, ReadBytes(std::string(TABULON_SOURCE_DIR) + "/examples/" + name)));
    }
    QTest::mouseClick(Find<QPushButton>("CMD1"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>("CMD2"), Qt::LeftButton);
  }
  ~PlotLaunchTest() override { CloseAll(); }

  TempDir dir;
};

TEST_F(PlotLaunchTest, ButtonsSitInFreeSpaceOfTheirFrames) {
  for (const char* name :
       {"PlotCmd1", "TableCmd1", "PlotCmd2", "TableCmd2", "PlotCmd3", "TableCmd3"}) {
    const auto* button = Find<QPushButton>(name);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isVisible()) << name;
    const QWidget* frame = button->parentWidget();
    EXPECT_TRUE(frame->rect().contains(button->geometry())) << name;
    for (const QObject* child : frame->children()) {
      const auto* other = qobject_cast<const QWidget*>(child);
      if (!other || other == button) continue;
      EXPECT_FALSE(other->geometry().intersects(button->geometry()))
          << name << " covers " << other->objectName().toStdString();
    }
    // The window's tab order stays as it was.
    EXPECT_FALSE(button->focusPolicy() & Qt::TabFocus) << name;
  }
}

TEST_F(PlotLaunchTest, PlotButtonsPlotTheSelectedSpeciesOfTheirFrame) {
  LoadExamples();
  model.LOS1.SelectByName("H2O");
  model.LOS2.SelectByName("CO");
  view->Refresh();
  QTest::mouseClick(Find<QPushButton>("PlotCmd1"), Qt::LeftButton);
  QTest::mouseClick(Find<QPushButton>("PlotCmd2"), Qt::LeftButton);
  std::vector<PlotWindow*> plots = Open<PlotWindow>();
  ASSERT_EQ(plots.size(), 2u);
  if (plots[0]->windowTitle().contains("CO")) std::swap(plots[0], plots[1]);
  EXPECT_EQ(plots[0]->windowTitle(), "Plot: H2O - DB #1: therm_a.dat");
  EXPECT_EQ(plots[1]->windowTitle(), "Plot: CO - DB #2: therm_b.dat");
  // Windows of their own that close with the main window.
  EXPECT_TRUE(plots[0]->isWindow());
  EXPECT_EQ(plots[0]->parentWidget(), view.get());
  QChart* cp = plots[1]->Charts().Chart(PlotProperty::Cp);
  EXPECT_EQ(cp->series().size(), 5);
  EXPECT_EQ(cp->series().front()->objectName(), "db2:low");
  EXPECT_EQ(cp->series().front()->name(), "DB #2: therm_b.dat");

  // The comparison frame's button plots the common species in both databases.
  QTest::mouseClick(Find<QPushButton>("CMD3"), Qt::LeftButton);
  model.LOS3.SelectByName("H2O");
  view->Refresh();
  QTest::mouseClick(Find<QPushButton>("PlotCmd3"), Qt::LeftButton);
  std::vector<PlotWindow*> now = Open<PlotWindow>();
  ASSERT_EQ(now.size(), 3u);
  std::erase_if(now, [&](PlotWindow* w) { return w == plots[0] || w == plots[1]; });
  PlotWindow* both = now.front();
  EXPECT_EQ(both->windowTitle(), "Plot: H2O - DB #1: therm_a.dat, DB #2: therm_b.dat");
  EXPECT_EQ(both->Charts().Chart(PlotProperty::S)->series().size(), 10);
}

TEST_F(PlotLaunchTest, DoubleClickOnASpeciesOpensItsPlot) {
  LoadExamples();
  auto* list = Find<QListWidget>("LOS2");
  const QList<QListWidgetItem*> rows = list->findItems("H2O", Qt::MatchExactly);
  ASSERT_EQ(rows.size(), 1);
  const QPoint centre = list->visualItemRect(rows.front()).center();
  // A double click arrives as a click, then the double click itself.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  ASSERT_EQ(model.LOS2.SelectedText(), "H2O");  // else a message would wait for an answer
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  const std::vector<PlotWindow*> plots = Open<PlotWindow>();
  ASSERT_EQ(plots.size(), 1u);
  EXPECT_EQ(plots[0]->windowTitle(), "Plot: H2O - DB #2: therm_b.dat");
}

TEST_F(PlotLaunchTest, TableButtonOpensTheTableOfTheSelectedSpecies) {
  LoadExamples();
  model.LOS1.SelectByName("CH4");
  view->Refresh();
  QTest::mouseClick(Find<QPushButton>("TableCmd1"), Qt::LeftButton);
  const std::vector<PropertyTableWindow*> tables = Open<PropertyTableWindow>();
  ASSERT_EQ(tables.size(), 1u);
  EXPECT_TRUE(tables[0]->isWindow());
  EXPECT_EQ(tables[0]->parentWidget(), view.get());
  EXPECT_EQ(tables[0]->Model().Table().header,
            (std::vector<std::string>{"T", "Cp1", "H1", "S1", "G1"}));
  EXPECT_EQ(tables[0]->Model().rowCount(), 28);
}

TEST_F(PlotLaunchTest, WithoutASelectedSpeciesAMessageSaysSoAndNoWindowOpens) {
  LoadExamples();
  QString shown;
  WhenModalShows([&shown](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) shown = box->text();
    modal->close();
  });
  QTest::mouseClick(Find<QPushButton>("PlotCmd3"), Qt::LeftButton);
  EXPECT_EQ(shown, "Select a species first.");
  EXPECT_TRUE(Open<PlotWindow>().empty());
}

}  // namespace
}  // namespace tabulon::gui::testing
