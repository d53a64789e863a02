// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>

#include "app/qt/fonts.h"
#include "app/qt/widget_state.h"
#include "tests/gui/gui_fixture.h"

namespace tabulon::gui::testing {
namespace {

int VisibleAdvance(const QLabel& label) {
  QString visible = label.text();
  while (visible.endsWith(' ')) visible.chop(1);
  return QFontMetrics(label.font()).horizontalAdvance(visible);
}

TEST(FitCaption, CondensesACaptionThatOverrunsItsBoxByAFewPixels) {
  QLabel label;
  label.setText("List of Common Species in Both Databases");
  const int natural = QFontMetrics(label.font()).horizontalAdvance(label.text());
  label.resize(natural * 96 / 100, 17);
  FitCaption(label);
  EXPECT_LT(label.font().stretch(), 100);
  EXPECT_LE(VisibleAdvance(label), label.width());

  // A caption that fits again, or one far too long for its box, is drawn at its normal width.
  label.resize(natural + 10, 17);
  FitCaption(label);
  EXPECT_EQ(label.font().stretch(), 100);
  label.resize(natural / 2, 17);
  FitCaption(label);
  EXPECT_EQ(label.font().stretch(), 100);
}

using MainWindowCaptionTest = WindowTest;

TEST_F(MainWindowCaptionTest, EveryFixedCaptionIsShownWhole) {
  // The captions fit in the fonts the window asks for; a far wider fallback may cut them.
  const QString family = QFontInfo(WindowFont()).family();
  if (!WindowFont().families().contains(family)) {
    GTEST_SKIP() << "none of the window's fonts is installed; it is drawn in "
                 << family.toStdString();
  }
  for (const QLabel* label : view->findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    EXPECT_LE(VisibleAdvance(*label), label->contentsRect().width())
        << label->objectName().toStdString();
  }
}

}  // namespace
}  // namespace tabulon::gui::testing
