// SPDX-License-Identifier: GPL-3.0-or-later
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextDocument>

#include "app/qt/about_dialog.h"
#include "app/qt/qt_platform.h"
#include "tests/gui/gui_fixture.h"

namespace tabulon::gui::testing {
namespace {

const char kMailLink[] = "mailto:a.author@example.org, b.author@example.org";
const char kWebPage[] = "http://www.example.org/tabulon/downloads.html";

// Scripted platform services that show the real About window, so its links are recorded
// instead of being opened.
class AboutPlatform : public ScriptedPlatform {
 public:
  void ShowAboutWindow() override {
    ScriptedPlatform::ShowAboutWindow();
    ShowAboutDialog(model->about, owner);
  }

  MainWindowModel* model = nullptr;
  QWidget* owner = nullptr;
};

class AboutWindowTest : public ::testing::Test {
 protected:
  AboutWindowTest() {
    platform.model = &model;
    platform.owner = &view;
    model.Load();
    view.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
  }

  // Clicks AboutCmd and runs `act` on the About window while it is open, then closes it.
  void WithAboutWindow(const std::function<void(AboutDialog&)>& act) {
    bool shown = false;
    WhenModalShows([&](QWidget* modal) {
      auto* about = qobject_cast<AboutDialog*>(modal);
      shown = about != nullptr;
      if (about) act(*about);
      modal->close();
    });
    QTest::mouseClick(view.findChild<QPushButton*>("AboutCmd"), Qt::LeftButton);
    EXPECT_TRUE(shown);
  }

  static QPlainTextEdit* Box(AboutDialog& about, const char* name) {
    auto* box = about.findChild<QPlainTextEdit*>(name);
    EXPECT_NE(box, nullptr) << name;
    return box;
  }

  AboutPlatform platform;
  MainWindowModel model{platform};
  MainWindow view{model};
};

TEST_F(AboutWindowTest, IsAFixedModalDialogWithTheDesignedPlaces) {
  WithAboutWindow([&](AboutDialog& about) {
    EXPECT_EQ(about.windowTitle(), "About Tabulon");
    EXPECT_EQ(QApplication::activeModalWidget(), &about);
    EXPECT_EQ(about.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(about.size(), QSize(598, 405));  // 8970 x 6075 twips
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    const Qt::WindowFlags flags = about.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(about.windowIcon().pixmap(32).toImage(), view.windowIcon().pixmap(32).toImage());

    struct Case {
      const char* name;
      QRect twips;
    };
    const Case cases[] = {
        {"aboutxt(0)", {480, 240, 7575, 855}},   {"aboutxt(1)", {120, 1560, 8295, 615}},
        {"aboutxt(2)", {120, 2400, 5895, 1215}}, {"aboutxt4", {120, 3600, 7215, 495}},
        {"aboutxt3", {120, 4440, 8775, 735}},    {"Line1(0)", {120, 1200, 8520, 15}},
        {"Line1(1)", {120, 5280, 8520, 15}},
    };
    const auto* frame = about.findChild<QWidget*>("Frame1");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->geometry(), QRect(8, 8, 585, 385));
    for (const Case& c : cases) {
      const auto* widget = about.findChild<QWidget*>(c.name);
      ASSERT_NE(widget, nullptr) << c.name;
      EXPECT_EQ(widget->parentWidget(), frame) << c.name;
      EXPECT_EQ(widget->geometry(), QRect(c.twips.x() / 15, c.twips.y() / 15, c.twips.width() / 15,
                                          c.twips.height() / 15))
          << c.name;
    }
    EXPECT_EQ(qobject_cast<const QFrame*>(about.findChild<QWidget*>("Line1(1)"))->frameShape(),
              QFrame::HLine);
  });
}

TEST_F(AboutWindowTest, BoxesShowTheLoadTextsInTheirStyles) {
  WithAboutWindow([&](AboutDialog& about) {
    EXPECT_EQ(Box(about, "aboutxt(0)")->toPlainText(),
              "Tabulon version 1.20 - May 2005\nfor Windows 98, 2000, NT and XP");
    EXPECT_EQ(Box(about, "aboutxt(1)")->toPlainText(),
              "Authors: Dr. A. Author and Prof. B. Author");
    EXPECT_EQ(Box(about, "aboutxt(2)")->document()->blockCount(), 4);
    EXPECT_EQ(Box(about, "aboutxt3")->toPlainText(), "a.author@example.org\nb.author@example.org");
    EXPECT_EQ(Box(about, "aboutxt4")->toPlainText(), kWebPage);

    const QPlainTextEdit* version = Box(about, "aboutxt(0)");
    EXPECT_TRUE(version->font().bold());
    EXPECT_DOUBLE_EQ(version->font().pointSizeF(), 12);
    EXPECT_EQ(version->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
    EXPECT_FALSE(Box(about, "aboutxt(1)")->font().bold());

    EXPECT_EQ(Box(about, "aboutxt4")->toolTip(), "Open Website");
    EXPECT_EQ(Box(about, "aboutxt3")->toolTip(), "Contact us");
    const std::pair<const char*, bool> boxes_and_links[] = {
        {"aboutxt(0)", false}, {"aboutxt(1)", false}, {"aboutxt(2)", false},
        {"aboutxt3", true},    {"aboutxt4", true},
    };
    for (const auto& [name, link] : boxes_and_links) {
      const QPlainTextEdit* box = Box(about, name);
      EXPECT_FALSE(box->isReadOnly()) << name;
      EXPECT_FALSE(box->focusPolicy() & Qt::TabFocus) << name;
      // The link boxes show the curved arrow, the others the text cursor.
      EXPECT_EQ(box->viewport()->cursor().shape(), link ? Qt::BitmapCursor : Qt::IBeamCursor)
          << name;
    }
  });
}

TEST_F(AboutWindowTest, TypedTextReachesTheModelAndIsLostAtTheNextOpening) {
  WithAboutWindow([&](AboutDialog& about) {
    QPlainTextEdit* authors = Box(about, "aboutxt(1)");
    authors->moveCursor(QTextCursor::End);
    QTest::keyClicks(authors, "!");
    QTest::keyClick(authors, Qt::Key_Return);
    QTest::keyClicks(authors, "x");
    EXPECT_EQ(model.about.aboutxt[1].Text(), "Authors: Dr. A. Author and Prof. B. Author!\r\nx");
    EXPECT_EQ(authors->toPlainText(), "Authors: Dr. A. Author and Prof. B. Author!\nx");
  });
  WithAboutWindow([&](AboutDialog& about) {
    EXPECT_EQ(Box(about, "aboutxt(1)")->toPlainText(),
              "Authors: Dr. A. Author and Prof. B. Author");
  });
  EXPECT_EQ(platform.about_shown, 2);
}

TEST_F(AboutWindowTest, AClickAnywhereInALinkBoxOpensItsLink) {
  WithAboutWindow([&](AboutDialog& about) {
    const auto click = [&](const char* name, QPoint at) {
      QTest::mouseClick(Box(about, name)->viewport(), Qt::LeftButton, {}, at);
    };
    click("aboutxt3", QPoint(5, 5));     // on the first address
    click("aboutxt4", QPoint(400, 20));  // right of the text: only places the cursor
    for (const char* name : {"aboutxt(0)", "aboutxt(1)", "aboutxt(2)"}) click(name, QPoint(5, 5));
    EXPECT_EQ(platform.links, (std::vector<std::string>{kMailLink, kWebPage}));

    // A double click opens the link once.
    const QWidget* web = Box(about, "aboutxt4")->viewport();
    QTest::mouseDClick(about.windowHandle(), Qt::LeftButton, {},
                       web->mapTo(&about, QPoint(20, 10)));
    EXPECT_EQ(platform.links.size(), 3u);
    EXPECT_EQ(platform.links.back(), kWebPage);
  });
}

TEST_F(AboutWindowTest, TheMainWindowTakesNoInputWhileTheAboutWindowIsOpen) {
  QWindow* main_window = view.windowHandle();
  const auto* quit = view.findChild<QPushButton*>("QuitCMD");
  const QPoint on_quit = quit->mapTo(&view, quit->rect().center());
  // A click and the access key both press the button at once (the key's click follows after an
  // animation): nothing pressed it while the About window was open.
  QSignalSpy pressed(quit, &QPushButton::pressed);
  WithAboutWindow([&](AboutDialog&) {
    QTest::mouseClick(main_window, Qt::LeftButton, {}, on_quit);
    QTest::keyClick(main_window, Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(pressed.count(), 0);
  });
  EXPECT_FALSE(platform.ended);

  // Once it is closed, the same click reaches the main window.
  QTest::mouseClick(main_window, Qt::LeftButton, {}, on_quit);
  EXPECT_EQ(pressed.count(), 1);
  EXPECT_TRUE(platform.ended);
}

// With the desktop's platform services: AboutCmd shows the model's About window, and after it
// is closed the Quit access key ends the program.
TEST(AboutWindowOnTheDesktop, OpensFromTheMainWindowAndQuitStillEndsTheProgram) {
  QtPlatform platform;
  MainWindowModel model(platform);
  model.Load();
  MainWindow view(model);
  platform.AttachView(&view);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

  QString shown;
  WhenModalShows([&](QWidget* modal) {
    if (auto* box = modal->findChild<QPlainTextEdit*>("aboutxt4")) shown = box->toPlainText();
    modal->close();
  });
  QTest::mouseClick(view.findChild<QPushButton*>("AboutCmd"), Qt::LeftButton);
  EXPECT_EQ(shown, kWebPage);

  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  QTimer::singleShot(0, [&] { QTest::keyClick(&view, Qt::Key_Q, Qt::AltModifier); });
  EXPECT_EQ(RunUntilTheProgramEnds(), 0);
  EXPECT_FALSE(view.isVisible());
}

}  // namespace
}  // namespace tabulon::gui::testing
