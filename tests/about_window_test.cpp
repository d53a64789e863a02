// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/model/main_window_model.h"
#include "app/model/scripted_platform.h"

namespace tabulon {
namespace {

const char kMailLink[] = "mailto:a.author@example.org, b.author@example.org";
const char kWebPage[] = "http://www.example.org/tabulon/downloads.html";

class AboutWindowTest : public ::testing::Test {
 protected:
  AboutWindowTest() { window.Load(); }

  // The texts of the five boxes, in the order of the load steps.
  std::vector<std::string> Texts() const {
    const AboutWindowModel& about = window.about;
    return {about.aboutxt[0].Text(), about.aboutxt[1].Text(), about.aboutxt[2].Text(),
            about.aboutxt3.Text(), about.aboutxt4.Text()};
  }

  ScriptedPlatform platform;
  MainWindowModel window{platform};
};

const std::vector<std::string> kLoadTexts = {
    "Tabulon version 1.20 - May 2005\r\nfor Windows 98, 2000, NT and XP",
    "Authors: Dr. A. Author and Prof. B. Author",
    "Reaction Kinetics Group\r\nDepartment of Chemistry, Example Institute of Combustion\r\n"
    "Exampleland\r\nFax: (+1 555) 555 0100",
    "a.author@example.org\r\nb.author@example.org",
    kWebPage,
};

TEST_F(AboutWindowTest, AboutCmdLoadsTheTextsAndShowsTheWindow) {
  EXPECT_EQ(window.about.Frame1.Caption(), "About Sorbex");
  EXPECT_EQ(Texts(), std::vector<std::string>(5)) << "nothing is set before the first opening";

  window.AboutCmd.Click();
  EXPECT_EQ(platform.about_shown, 1);
  EXPECT_EQ(Texts(), kLoadTexts);
  EXPECT_TRUE(platform.links.empty());
}

TEST_F(AboutWindowTest, TypedTextIsLostAtTheNextOpening) {
  window.AboutCmd.Click();
  AboutWindowModel& about = window.about;
  about.aboutxt[0].SetText("");
  about.aboutxt[2].SetText("typed\r\nover");
  about.aboutxt3.SetText("someone@elsewhere.example");
  about.aboutxt4.SetText("http://elsewhere.example/");

  // The link targets are fixed texts of the tool, whatever a link box shows.
  about.aboutxt4.Click();
  about.aboutxt3.Click();
  EXPECT_EQ(platform.links, (std::vector<std::string>{kWebPage, kMailLink}));

  window.AboutCmd.Click();
  EXPECT_EQ(platform.about_shown, 2);
  EXPECT_EQ(Texts(), kLoadTexts);
}

TEST_F(AboutWindowTest, EachClickOnALinkBoxHandsItsLinkToThePlatform) {
  window.AboutCmd.Click();
  AboutWindowModel& about = window.about;
  about.aboutxt3.Click();
  about.aboutxt3.Click();
  about.aboutxt4.Click();
  EXPECT_EQ(platform.links, (std::vector<std::string>{kMailLink, kMailLink, kWebPage}));
  // The web link is the address the box shows; the mail link joins the two addresses it shows.
  EXPECT_EQ(platform.links.back(), about.aboutxt4.Text());
  std::string addresses = about.aboutxt3.Text();
  addresses.replace(addresses.find("\r\n"), 2, ", ");
  EXPECT_EQ(platform.links.front(), "mailto:" + addresses);
}

}  // namespace
}  // namespace tabulon
