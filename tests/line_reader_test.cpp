// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <string>
#include <vector>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "test_support.h"
#include "thermodb/line_reader.h"

namespace tabulon {
namespace {

using testing::TempDir;

std::vector<std::string> ReadLines(const std::string& path) {
  LineReader reader;
  EXPECT_TRUE(reader.Open(path)) << reader.ErrorText();
  std::vector<std::string> lines;
  std::string line;
  while (reader.Next(line)) lines.push_back(line);
  EXPECT_FALSE(reader.Failed());
  return lines;
}

struct LineEndCase {
  std::string bytes;
  std::vector<std::string> lines;
};

TEST(LineReader, SplitsAtCrLfLoneCrAndLoneLf) {
  const LineEndCase cases[] = {
      {"", {}},
      {"A", {"A"}},
      {"A\n", {"A"}},
      {"A\r\n", {"A"}},
      {"A\r", {"A"}},
      {"A\r\nB\rC\nD", {"A", "B", "C", "D"}},
      {"\n", {""}},
      {"\r\n\r\n", {"", ""}},
      {"A\n\rB", {"A", "", "B"}},    // LF then CR: two line ends
      {"A\r\r\nB", {"A", "", "B"}},  // CR, then CR LF
      {"A\n\nB\n", {"A", "", "B"}},
      {std::string("t\tx \0\xe9", 6) + "\n", {std::string("t\tx \0\xe9", 6)}},  // bytes kept
  };
  TempDir dir;
  for (const LineEndCase& c : cases) {
    EXPECT_EQ(ReadLines(dir.Write("lines.dat", c.bytes)), c.lines)
        << ::testing::PrintToString(c.bytes);
  }
}

TEST(LineReader, CrLfIsOneLineEndWhereverTheFileIsCut) {
  // CR LF pairs starting at every odd, then every even, offset: wherever the reader's blocks
  // end, one of them is split between two reads.
  std::string pairs;
  for (int i = 0; i < 150000; ++i) pairs += "\r\n";
  TempDir dir;
  for (const std::string& head : {std::string("x"), std::string("xy")}) {
    const std::vector<std::string> lines = ReadLines(dir.Write("pairs.dat", head + pairs));
    ASSERT_EQ(lines.size(), 150000u) << head;
    EXPECT_EQ(lines.front(), head);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), ""), 149999) << head;
  }
}

TEST(LineReader, LinesCanBeReadAgainFromTheirOffsets) {
  const std::string longer(200000, 'y');
  const std::string bytes = "A\r\nB\r" + longer + "\nC";
  TempDir dir;
  const std::string path = dir.Write("db.dat", bytes);
  EXPECT_EQ(ReadLines(path), (std::vector<std::string>{"A", "B", longer, "C"}));

  LineReader reader;
  ASSERT_TRUE(reader.Open(path));
  std::vector<std::uint64_t> starts;
  std::string line;
  while (reader.Next(line)) starts.push_back(reader.LineStart());
  EXPECT_EQ(starts, (std::vector<std::uint64_t>{0, 3, 5, 200006}));

  ASSERT_TRUE(reader.SeekTo(5));
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, longer);
  ASSERT_TRUE(reader.SeekTo(3));
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, "B");
  ASSERT_TRUE(reader.SeekTo(200006));
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, "C");
  EXPECT_FALSE(reader.Next(line));
  EXPECT_EQ(reader.Stamp().size, static_cast<std::int64_t>(bytes.size()));
}

TEST(LineReader, OpensOnlyRegularFiles) {
  TempDir dir;
  const std::string fifo = dir.File("pipe.dat");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  LineReader reader;
  EXPECT_FALSE(reader.Open(fifo));  // refused without waiting for a writer
  EXPECT_EQ(reader.ErrorText(), "not a regular file");
  EXPECT_FALSE(reader.Open(dir.Path().string()));
  EXPECT_EQ(reader.ErrorText(), "a directory, not a file");
  EXPECT_FALSE(reader.Open(dir.File("missing.dat")));
  EXPECT_EQ(reader.ErrorText(), "No such file or directory");
  EXPECT_FALSE(reader.Open(""));
}

}  // namespace
}  // namespace tabulon
