// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/model/credits.h"
#include "app/qt/main_window_layout.h"
#include "app/qt/widget_state.h"
#include "tests/gui/gui_fixture.h"

namespace tabulon::gui::testing {
namespace {

using MainWindowLayoutTest = WindowTest;

TEST_F(MainWindowLayoutTest, EveryControlHasOneWidgetAtItsPlaceInItsFrame) {
  for (const ControlPlace& place : MainWindowLayout(model)) {
    const QString name = QString::fromStdString(ControlOf(place.control).Name());
    const QList<QWidget*> widgets = view->findChildren<QWidget*>(name);
    ASSERT_EQ(widgets.size(), 1) << name.toStdString();
    const QWidget* widget = widgets.front();
    EXPECT_EQ(widget->parentWidget()->objectName().toStdString(),
              place.frame ? place.frame->Name() : "MainWindowModel");
    EXPECT_EQ(widget->geometry(), QRect(place.place.left / 15, place.place.top / 15,
                                        place.place.width / 15, place.place.height / 15))
        << name.toStdString();
  }
}

TEST_F(MainWindowLayoutTest, PlacesAreThoseOfTheDesign) {
  struct Case {
    const char* name;
    const char* frame;
    QRect twips;
  };
  const Case cases[] = {
      {"Frm1", "MainWindowModel", {120, 0, 13335, 3735}},
      {"Frm3", "MainWindowModel", {120, 7800, 13335, 2535}},
      {"LOS1", "Frm1", {360, 480, 3615, 840}},
      {"LOS2", "Frm2", {360, 480, 3735, 840}},
      {"CMD2", "Frm2", {4320, 960, 4455, 375}},
      {"PropTxt(0)", "Frm1", {2400, 1440, 1455, 375}},
      {"PropTxt(8)", "Frm1", {3960, 1920, 1455, 375}},
      {"PropTxt(20)", "Frm2", {11760, 1440, 1455, 375}},
      {"PropTxt(27)", "Frm2", {11760, 1920, 1455, 375}},
      {"TXT2SBis", "Frm2", {4080, 3240, 975, 375}},
      {"Label6", "Frm2", {12000, 2400, 255, 255}},
      {"THERMIMG", "Frm3", {7680, 1440, 405, 930}},
      {"QuitCMD", "Frm3", {11880, 1920, 1335, 495}},
  };
  for (const Case& c : cases) {
    const QWidget* widget = Find(c.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget()->objectName().toStdString(), c.frame) << c.name;
    EXPECT_EQ(widget->geometry(), QRect(c.twips.x() / 15, c.twips.y() / 15, c.twips.width() / 15,
                                        c.twips.height() / 15))
        << c.name;
  }
  EXPECT_EQ(view->size(), QSize(903, 696));  // 13545 x 10440 twips
  EXPECT_EQ(view->windowTitle().toStdString(), credits::MainWindowTitle());
}

TEST_F(MainWindowLayoutTest, TabOrderFollowsTheTabIndexes) {
  const std::vector<std::string> expected = {
      "PropTxt(13)", "PropTxt(12)", "PropTxt(11)", "PropTxt(10)", "PropTxt(9)",  "PropTxt(8)",
      "PropTxt(7)",  "PropTxt(6)",  "PropTxt(5)",  "PropTxt(4)",  "PropTxt(3)",  "PropTxt(2)",
      "PropTxt(1)",  "PropTxt(0)",  "LOS1",        "CMD1",        "CMD2",        "LOS2",
      "PropTxt(27)", "PropTxt(26)", "PropTxt(25)", "PropTxt(24)", "PropTxt(23)", "PropTxt(22)",
      "PropTxt(21)", "PropTxt(20)", "PropTxt(19)", "PropTxt(18)", "PropTxt(17)", "PropTxt(16)",
      "PropTxt(15)", "PropTxt(14)", "CMD3",        "LOS5",        "LOS4",        "LOS3",
      "TXT1K",       "TXT1CP",      "TXT1CPBis",   "TXT2CPBis",   "TXT2CP",      "TXT2K",
      "TXT1KH",      "TXT1H",       "TXT1KS",      "TXT1S",       "TXT2KH",      "TXT2H",
      "TXT2KS",      "TXT2S",       "TXT1HBis",    "TXT1SBis",    "TXT2SBis",    "TXT2HBis",
      "CMD4",        "Ktxt",        "QuitCMD",     "Ktxt2",       "Ktxt3",       "Ravuvatxt1",
      "Ck1",         "Ck2",         "Ravuvatxt2",  "AboutCmd"};
  std::vector<std::string> chain;
  QWidget* widget = Find("PropTxt(13)");
  ASSERT_NE(widget, nullptr);
  EXPECT_TRUE(widget->hasFocus()) << "the first control in tab order has the focus at start";
  do {
    const QWidget* parent = widget->parentWidget();
    if ((widget->focusPolicy() & Qt::TabFocus) && parent &&
        parent->objectName().startsWith("Frm")) {
      chain.push_back(widget->objectName().toStdString());
    }
    widget = widget->nextInFocusChain();
  } while (chain.size() < expected.size() && widget != Find("PropTxt(13)"));
  EXPECT_EQ(chain, expected);
}

TEST_F(MainWindowLayoutTest, ControlsHiddenAtLoadAreHidden) {
  for (const char* name : {"CMD4", "Ktxt", "Ktxt2", "Ktxt3", "TXT1CPBis", "TXT1HBis", "TXT1SBis",
                           "TXT2CPBis", "TXT2HBis", "TXT2SBis", "THERMIMG"}) {
    EXPECT_FALSE(Find(name)->isVisible()) << name;
  }
  for (const char* name : {"Frm1", "LOS1", "CMD1", "TXT1K", "PropTxt(27)", "Ck2", "CMD3",
                           "AboutCmd", "QuitCMD", "List5Nbr"}) {
    EXPECT_TRUE(Find(name)->isVisible()) << name;
  }

  // A comparison that finds common species shows the report button and its temperatures.
  for (Control* control : std::initializer_list<Control*>{&model.CMD4, &model.Ktxt, &model.Ktxt2,
                                                          &model.Ktxt3, &model.THERMIMG}) {
    control->SetVisible(true);
  }
  view->Refresh();
  EXPECT_TRUE(Find("CMD4")->isVisible());
  EXPECT_TRUE(Find("THERMIMG")->isVisible());
  EXPECT_EQ(Find<QLineEdit>("Ktxt")->text(), "300");
  EXPECT_EQ(Find<QLineEdit>("Ktxt2")->text(), "1000");
  EXPECT_EQ(Find<QLineEdit>("Ktxt3")->text(), "2000");
}

TEST_F(MainWindowLayoutTest, WidgetsShowTheirKindsStyles) {
  const QColor result_grey = ColourOf(Colour::InactiveBorder);
  for (const char* name : {"TXT1CP", "TXT1H", "TXT1S", "TXT1CPBis", "TXT1HBis", "TXT1SBis",
                           "TXT2CP", "TXT2H", "TXT2S", "TXT2CPBis", "TXT2HBis", "TXT2SBis"}) {
    const auto* box = Find<QLineEdit>(name);
    EXPECT_TRUE(box->isReadOnly()) << name;
    EXPECT_EQ(box->palette().color(QPalette::Base), result_grey) << name;
  }
  for (int i = 0; i < 28; ++i) {
    const std::string name = "PropTxt(" + std::to_string(i) + ")";
    EXPECT_EQ(Find<QLineEdit>(name)->isReadOnly(), i < 14) << name;
  }
  for (const char* name : {"Ravuvatxt1", "Ravuvatxt2"}) {
    EXPECT_TRUE(Find<QLineEdit>(name)->isReadOnly()) << name;
    EXPECT_FALSE(Find<QLineEdit>(name)->isEnabled()) << name;
  }
  for (const QLineEdit* box : view->findChildren<QLineEdit*>()) {
    EXPECT_EQ(box->alignment(), Qt::AlignCenter) << box->objectName().toStdString();
  }
  for (const QPushButton* button : view->findChildren<QPushButton*>()) {
    EXPECT_TRUE(button->font().bold()) << button->objectName().toStdString();
    EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 9.75) << button->objectName().toStdString();
  }
  EXPECT_EQ(Find<QLabel>("lblHf1")->text(), QStringLiteral(u"Δ"));
  EXPECT_EQ(Find<QLabel>("Label6")->text(), QStringLiteral(u"Δ"));
  EXPECT_DOUBLE_EQ(Find<QLabel>("Label6")->font().pointSizeF(), 8.25);
  EXPECT_EQ(Find<QPushButton>("AboutCmd")->text(), "&About");
  EXPECT_EQ(Find<QPushButton>("QuitCMD")->text(), "&Quit");
  EXPECT_EQ(Find<QGroupBox>("Frm3")->title(), "Comparison of the Thermodynamic Databases");
  EXPECT_EQ(Find<QLabel>("THERMIMG")->pixmap().deviceIndependentSize(), QSizeF(27, 62));
}

}  // namespace
}  // namespace tabulon::gui::testing
