// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include <gtest/gtest.h>

#include "thermodb/path_caption.h"

namespace tabulon {
namespace {

TEST(PathCaption, DirectoryIsUpToTheLastBackslashElseTheLastSlash) {
  struct Case {
    std::string path;
    std::string dir;
  };
  const Case cases[] = {
      {"C:\\data\\therm.dat", "C:\\data\\"},
      {"/home/user/therm.dat", "/home/user/"},
      {"therm.dat", ""},
      {"C:/a\\b/therm.dat", "C:/a\\"},  // a backslash wins over a later slash
      {"/therm.dat", "/"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(DirectoryOf(c.path), c.dir) << c.path;
}

TEST(PathCaption, PathsOfFiftyCharactersOrMoreAreShortened) {
  const std::string file = "therm.dat";
  const std::string win49 = "C:\\" + std::string(49 - 3 - 1 - file.size(), 'd') + "\\" + file;
  const std::string win50 = "C:\\" + std::string(50 - 3 - 1 - file.size(), 'd') + "\\" + file;
  const std::string unix50 = "/home/" + std::string(50 - 6 - 1 - file.size(), 'u') + "/" + file;
  const std::string bare50(50, 'b');
  ASSERT_EQ(win49.size(), 49u);
  ASSERT_EQ(win50.size(), 50u);
  ASSERT_EQ(unix50.size(), 50u);

  struct Case {
    std::string path;
    std::string caption;
  };
  const Case cases[] = {
      {win49, "DB1: " + win49},
      {win50, "DB1: C:\\[...]\\therm.dat"},
      {unix50, "DB1: /ho[...]/therm.dat"},
      {"/home/user/therm.dat", "DB1: /home/user/therm.dat"},
      {"therm.dat", "DB1: therm.dat"},
      {bare50, "DB1: [...]\\" + bare50},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PathCaption("DB1: ", c.path, DirectoryOf(c.path)), c.caption) << c.path;
  }
  EXPECT_EQ(PathCaption("DB2: ", win50, DirectoryOf(win50)), "DB2: C:\\[...]\\therm.dat");
}

}  // namespace
}  // namespace tabulon
