// SPDX-License-Identifier: GPL-3.0-or-later
// How the tests find the corpus of real databases: CI relies on a missing folder or file being
// told apart from a present one, and on the environment taking precedence over the build.
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "corpus_support.h"
#include "test_support.h"

namespace tabulon {
namespace {

using testing::CorpusDir;
using testing::MissingCorpusFile;
using testing::TempDir;

// Sets an environment variable for the life of the object, then puts back what was there.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedEnvironment() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(LocatingTheCorpus, TheEnvironmentTakesPrecedenceOverTheBuildSetting) {
  {
    ScopedEnvironment unset("TABULON_CORPUS_DIR", nullptr);
    EXPECT_EQ(CorpusDir(), TABULON_CORPUS_DIR);
  }
  {
    ScopedEnvironment empty("TABULON_CORPUS_DIR", "");
    EXPECT_EQ(CorpusDir(), TABULON_CORPUS_DIR);
  }
  ScopedEnvironment set("TABULON_CORPUS_DIR", "/elsewhere");
  EXPECT_EQ(CorpusDir(), "/elsewhere");
  EXPECT_EQ(testing::CorpusFile("a.dat"), "/elsewhere/a.dat");
}

TEST(LocatingTheCorpus, NamesWhatIsMissingAndHowToPointToIt) {
  TempDir dir;
  dir.Write("here.dat", "THERMO\nEND\n");
  std::filesystem::create_directory(dir.Path() / "folder.dat");
  ScopedEnvironment set("TABULON_CORPUS_DIR", dir.Path().c_str());

  EXPECT_EQ(MissingCorpusFile({}), "");
  EXPECT_EQ(MissingCorpusFile({"here.dat"}), "");
  for (const char* absent : {"gone.dat", "folder.dat"}) {
    const std::string missing = MissingCorpusFile({"here.dat", absent});
    EXPECT_TRUE(missing.starts_with(std::string("corpus file ") + absent + " not found in " +
                                    dir.Path().string()))
        << missing;
    EXPECT_NE(missing.find("set TABULON_CORPUS_DIR"), std::string::npos) << missing;
    EXPECT_EQ(missing.find('\n'), std::string::npos) << "one line";
  }

  ScopedEnvironment nowhere("TABULON_CORPUS_DIR", dir.File("nowhere").c_str());
  EXPECT_TRUE(MissingCorpusFile({}).starts_with("no corpus folder " + dir.File("nowhere")));
}

TEST(LocatingTheCorpus, OnlyASetNonZeroValueRequiresTheCorpus) {
  const struct {
    const char* value;
    bool required;
  } cases[] = {{nullptr, false}, {"", false}, {"0", false}, {"1", true}, {"yes", true}};
  for (const auto& c : cases) {
    ScopedEnvironment set("TABULON_CORPUS_REQUIRED", c.value);
    EXPECT_EQ(testing::CorpusRequired(), c.required) << (c.value ? c.value : "unset");
  }
}

}  // namespace
}  // namespace tabulon
