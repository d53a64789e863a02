// SPDX-License-Identifier: GPL-3.0-or-later
// A page or drawing is written whole or not at all, and never over a database.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "compare/output_file.h"
#include "test_support.h"

namespace tabulon {
namespace {

using testing::ReadBytes;
using testing::TempDir;

struct OutputCase {
  const char* what;
  std::string path;  // where to write, in the scratch folder
  bool written;
  std::string problem;  // the start of the reason
};

TEST(OutputFile, WritesWholeFilesAndNeverADatabase) {
  const TempDir dir;
  const std::string database = dir.Write("db.dat", "THERMO\nEND\n");
  const std::vector<std::string> databases = {dir.File("other.dat"), database};
  dir.Write("old.html", "old page");
  std::filesystem::create_symlink(database, dir.File("link.html"));
  std::filesystem::create_hard_link(database, dir.File("hard.html"));
  std::filesystem::create_directory(dir.File("folder.html"));

  const OutputCase cases[] = {
      {"a new file", dir.File("new.html"), true, ""},
      {"an old page", dir.File("old.html"), true, ""},
      {"the database", database, false, "it is the database " + database},
      {"the database by another path", dir.File("./db.dat"), false, "it is the database"},
      {"a link to the database", dir.File("link.html"), false, "it is the database"},
      {"another name of the database", dir.File("hard.html"), false, "it is the database"},
      {"a folder", dir.File("folder.html"), false, "it is not a regular file"},
      {"a missing folder", dir.File("missing/page.html"), false, "No such file or directory"},
  };
  for (const OutputCase& c : cases) {
    const OutputOutcome outcome = WriteWholeFile(c.path, "<p>page</p>", databases);
    EXPECT_EQ(outcome.written, c.written) << c.what;
    EXPECT_TRUE(outcome.problem.starts_with(c.problem)) << c.what << ": " << outcome.problem;
    if (c.written) {
      EXPECT_EQ(ReadBytes(c.path), "<p>page</p>") << c.what;
    }
  }
  EXPECT_EQ(ReadBytes(database), "THERMO\nEND\n");
  // Nothing is left beside the files: the partial file is renamed or removed.
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"db.dat", "folder.html", "hard.html", "link.html",
                                             "new.html", "old.html"}));
}

}  // namespace
}  // namespace tabulon
