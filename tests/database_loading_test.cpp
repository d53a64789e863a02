// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>
#include <string>
#include <vector>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "app/model/database_loader.h"
#include "app/model/database_side.h"
#include "app/model/main_window_model.h"
#include "app/model/scripted_platform.h"
#include "test_support.h"

namespace tabulon {
namespace {

using testing::ReadBytes;
using testing::TempDir;

using Names = std::vector<std::string>;

std::string Database(const Names& names, bool with_end = true) {
  std::string bytes = "THERMO\n   300.000  1000.000  5000.000\n";
  for (const std::string& name : names) bytes += name + " x 1\n 2\n 3\n 4\n";
  if (with_end) bytes += "END\n";
  return bytes;
}

Db OtherDb(Db db) {
  return db == Db::One ? Db::Two : Db::One;
}

// Loads run on a window that shows everything a load may clear: both databases loaded, a
// comparison done, species shown with computed values and highlighted coefficients.
class DatabaseLoading : public ::testing::TestWithParam<Db> {
 protected:
  void SetUp() override {
    window.Load();
    // The temperature fields' reactions only record that they ran.
    for (TextBox* field : {&window.TXT1K, &window.TXT1KH, &window.TXT1KS, &window.TXT2K,
                           &window.TXT2KH, &window.TXT2KS}) {
      field->OnChange([this, field] { changed_fields.push_back(field->Name()); });
    }
    earlier_path = dir.Write("earlier.dat", Database({"OLD1", "OLD2"}));
    other_path = dir.Write("other.dat", Database({"AR", "N2", "O2"}));
    LoadAs(GetParam(), earlier_path);
    LoadAs(OtherDb(GetParam()), other_path);

    MainWindowModel& w = window;
    for (int i = 0; i < w.PropTxt.Size(); ++i) {
      w.PropTxt[i].SetText("1.00000000E+00");
      w.PropTxt[i].SetBackColour(Colour::Yellow);
    }
    w.Ravuvatxt1.SetText("-1.0");
    w.Ravuvatxt2.SetText("-2.0");
    for (TextBox* box : {&w.TXT1K, &w.TXT1KH, &w.TXT1KS, &w.TXT1CP, &w.TXT1CPBis, &w.TXT1H,
                         &w.TXT1HBis, &w.TXT1S, &w.TXT1SBis, &w.TXT2K, &w.TXT2KH, &w.TXT2KS,
                         &w.TXT2CP, &w.TXT2CPBis, &w.TXT2H, &w.TXT2HBis, &w.TXT2S, &w.TXT2SBis}) {
      box->SetText("9");
    }
    for (Label* label : {&w.Lbl8, &w.Lbl9, &w.Lbl10, &w.Lbl11, &w.Lbl12, &w.Lbl13, &w.msglbl1,
                         &w.msglbl2, &w.List3Nbr, &w.List4Nbr, &w.List5Nbr}) {
      label->SetCaption("shown");
    }
    w.LOS3.AddItem("AR");
    w.LOS4.AddItem("OLD1");
    w.LOS5.AddItem("N2");
    w.common.CommonCount = 1;
    w.common.Only1Count = 1;
    w.common.Only2Count = 1;
    w.common.CommonReady = w.common.Only1Ready = w.common.Only2Ready = true;
    w.common.T1Low = w.common.T2Low = " 200";
    for (Control* control : {static_cast<Control*>(&w.Ktxt), static_cast<Control*>(&w.Ktxt2),
                             static_cast<Control*>(&w.Ktxt3), static_cast<Control*>(&w.CMD4),
                             static_cast<Control*>(&w.THERMIMG)}) {
      control->SetVisible(true);
    }
    changed_fields.clear();
    platform.file_requests.clear();
  }

  void LoadAs(Db db, std::optional<std::string> answer) {
    platform.file_answers = {std::move(answer)};
    (db == Db::One ? window.CMD1 : window.CMD2).Click();
  }
  void LoadOwn(std::optional<std::string> answer) { LoadAs(GetParam(), std::move(answer)); }

  DatabaseSide Own() { return SideOf(window, GetParam()); }
  DatabaseSide Other() { return SideOf(window, OtherDb(GetParam())); }
  std::string Command() const { return GetParam() == Db::One ? "CMD1" : "CMD2"; }

  // The reset a load makes once its file is read.
  void ExpectReset() {
    MainWindowModel& w = window;
    EXPECT_FALSE(w.THERMIMG.Visible());
    EXPECT_TRUE(w.LOS3.Items().empty() && w.LOS4.Items().empty() && w.LOS5.Items().empty());
    EXPECT_EQ(w.common.CommonCount, 0);
    EXPECT_EQ(w.common.Only1Count, 0);
    EXPECT_EQ(w.common.Only2Count, 0);
    for (const TextBox* box :
         {&w.TXT1K, &w.TXT1KH, &w.TXT1KS, &w.TXT1CP, &w.TXT1CPBis, &w.TXT1H, &w.TXT1HBis, &w.TXT1S,
          &w.TXT1SBis, &w.TXT2K, &w.TXT2KH, &w.TXT2KS, &w.TXT2CP, &w.TXT2CPBis, &w.TXT2H,
          &w.TXT2HBis, &w.TXT2S, &w.TXT2SBis}) {
      EXPECT_EQ(box->Text(), "") << box->Name();
    }
    EXPECT_EQ(changed_fields, (Names{"TXT1K", "TXT1KH", "TXT1KS", "TXT2K", "TXT2KH", "TXT2KS"}));
    for (const Label* label :
         {&w.Lbl8, &w.Lbl9, &w.Lbl10, &w.Lbl11, &w.Lbl12, &w.Lbl13, &w.msglbl1, &w.msglbl2}) {
      EXPECT_EQ(label->Caption(), "") << label->Name();
    }
    for (const Label* label : {&w.List3Nbr, &w.List4Nbr, &w.List5Nbr}) {
      EXPECT_EQ(label->Caption(), "(0)") << label->Name();
    }
    for (int i = 0; i < w.PropTxt.Size(); ++i) {
      // Only DB #1's boxes carry the highlight of differing coefficients.
      EXPECT_EQ(w.PropTxt[i].BackColour(), i < 14 ? Colour::Window : Colour::Yellow) << i;
    }
    EXPECT_FALSE(w.Ktxt.Visible() || w.Ktxt2.Visible() || w.Ktxt3.Visible() || w.CMD4.Visible());
    // Left alone by every load.
    EXPECT_TRUE(w.common.CommonReady && w.common.Only1Ready && w.common.Only2Ready);
    EXPECT_EQ(w.common.T1Low, " 200");
    EXPECT_EQ(w.common.T2Low, " 200");

    ASSERT_EQ(platform.file_requests.size(), 1u);
    const OpenFileRequest& request = platform.file_requests[0];
    EXPECT_EQ(request.title, "Selection THERMO File...");
    EXPECT_EQ(request.filter, "DAT Files (*.dat)|*.dat|THE Files (*.the)|*.the|All Files |*.*|");
    EXPECT_EQ(request.filter_index, 1);
    EXPECT_EQ(request.initial_dir, "C:\\");
  }

  // The other database's list, count, flag, path and labels are never touched.
  void ExpectOtherSideKept() {
    const DatabaseSide other = Other();
    EXPECT_EQ(other.list.Items(), (Names{"AR", "N2", "O2"}));
    EXPECT_EQ(other.count, 3);
    EXPECT_TRUE(other.loaded);
    EXPECT_EQ(other.path, other_path);
    EXPECT_EQ(other.dir, dir.Path().string() + "/");
    EXPECT_EQ(other.count_label.Caption(), "(3)");
    EXPECT_NE(other.path_label.Caption(), "");
  }

  void ExpectOwnBoxes(const std::string& text, const DatabaseSide& side) {
    for (int k = 0; k < 14; ++k) EXPECT_EQ(side.Coefficient(k).Text(), text) << k;
  }

  ScriptedPlatform platform;
  MainWindowModel window{platform};
  TempDir dir;
  std::string earlier_path;
  std::string other_path;
  Names changed_fields;
};

TEST_P(DatabaseLoading, SuccessListsTheNamesAndShowsCountAndPath) {
  const std::string path = dir.Write("new.dat", Database({"h2o", "CH4", "AR", "CH4"}));
  const std::string bytes_before = ReadBytes(path);
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);

  LoadOwn(path);

  ExpectReset();
  ExpectOtherSideKept();
  const DatabaseSide own = Own();
  EXPECT_EQ(own.list.Items(), (Names{"AR", "CH4", "H2O"}));
  EXPECT_EQ(own.count, 3);
  EXPECT_EQ(own.count_label.Caption(), "(3)");
  EXPECT_TRUE(own.loaded);
  EXPECT_EQ(own.path, path);
  EXPECT_EQ(own.dir, dir.Path().string() + "/");
  const std::string prefix = GetParam() == Db::One ? "DB1: " : "DB2: ";
  if (path.size() >= 50) {
    EXPECT_EQ(own.path_label.Caption(), prefix + path.substr(0, 3) + "[...]/new.dat");
  } else {
    EXPECT_EQ(own.path_label.Caption(), prefix + path);
  }
  for (int i = 0; i < window.PropTxt.Size(); ++i) EXPECT_EQ(window.PropTxt[i].Text(), "") << i;
  EXPECT_EQ(window.Ravuvatxt1.Text(), "");
  EXPECT_EQ(window.Ravuvatxt2.Text(), "");
  EXPECT_TRUE(platform.silent_failures.empty());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(platform.loaded_files.back(), path);

  // The database is only read.
  struct stat after {};
  ASSERT_EQ(::stat(path.c_str(), &after), 0);
  EXPECT_EQ(ReadBytes(path), bytes_before);
  EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
  EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

// Every list, label, box, visibility, colour and shared value that a load may touch, as text.
std::string WindowState(MainWindowModel& w) {
  std::string state;
  for (const ListBox* list : {&w.LOS1, &w.LOS2, &w.LOS3, &w.LOS4, &w.LOS5}) {
    state += list->Name() + ":";
    for (const std::string& item : list->Items()) state += item + ",";
    state += "\n";
  }
  for (const Label* label :
       {&w.Lbl1, &w.Lbl2, &w.Lbl8, &w.Lbl9, &w.Lbl10, &w.Lbl11, &w.Lbl12, &w.Lbl13, &w.msglbl1,
        &w.msglbl2, &w.List1Nbr, &w.List2Nbr, &w.List3Nbr, &w.List4Nbr, &w.List5Nbr}) {
    state += label->Name() + "=" + label->Caption() + "\n";
  }
  for (const TextBox* box :
       {&w.TXT1K, &w.TXT1KH,   &w.TXT1KS, &w.TXT1CP,   &w.TXT1CPBis,  &w.TXT1H,     &w.TXT1HBis,
        &w.TXT1S, &w.TXT1SBis, &w.TXT2K,  &w.TXT2KH,   &w.TXT2KS,     &w.TXT2CP,    &w.TXT2CPBis,
        &w.TXT2H, &w.TXT2HBis, &w.TXT2S,  &w.TXT2SBis, &w.Ravuvatxt1, &w.Ravuvatxt2}) {
    state += box->Name() + "=" + box->Text() + (box->Visible() ? "" : " hidden") + "\n";
  }
  for (int i = 0; i < w.PropTxt.Size(); ++i) {
    state += w.PropTxt[i].Text() + (w.PropTxt[i].BackColour() == Colour::Yellow ? "*" : "") + "|";
  }
  for (const Control* control : {static_cast<Control*>(&w.Ktxt), static_cast<Control*>(&w.Ktxt2),
                                 static_cast<Control*>(&w.Ktxt3), static_cast<Control*>(&w.CMD4),
                                 static_cast<Control*>(&w.THERMIMG)}) {
    state += control->Visible() ? "v" : "h";
  }
  const CommonValue& c = w.common;
  state += "\n" + c.DB1Path + "|" + c.DB2Path + "|" + c.DB1Dir + "|" + c.DB2Dir + "|" +
           std::to_string(c.DB1Count) + std::to_string(c.DB2Count) + std::to_string(c.CommonCount) +
           std::to_string(c.Only1Count) + std::to_string(c.Only2Count) +
           std::to_string(c.DB1Loaded) + std::to_string(c.DB2Loaded) +
           std::to_string(c.CommonReady) + c.T1Low + c.T2Low;
  return state;
}

// The entry for a file given on the command line, dropped or taken from the recent files: the
// load without its dialog.
TEST_P(DatabaseLoading, AFileNamedLoadsWithoutTheDialog) {
  const std::string path = dir.Write("named.dat", Database({"NE", "HE"}));
  EXPECT_EQ(LoadDatabase(window, GetParam(), path), LoadOutcome::Loaded);
  EXPECT_TRUE(platform.file_requests.empty());
  EXPECT_EQ(Own().list.Items(), (Names{"HE", "NE"}));
  EXPECT_EQ(Own().path, path);
  EXPECT_EQ(window.databases.Current(GetParam(), path)->Records().size(), 2u);
}

TEST_P(DatabaseLoading, CancelChangesNothing) {
  const std::string before = WindowState(window);
  LoadOwn(std::nullopt);
  EXPECT_EQ(WindowState(window), before);
  EXPECT_TRUE(changed_fields.empty());
  EXPECT_EQ(platform.file_requests.size(), 1u);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(platform.silent_failures.empty());
}

// A failed load names the file and the reason in an error message under the button's caption.
void ExpectLoadMessage(const ScriptedPlatform& platform, Db db, const std::string& path,
                       const std::string& description, const std::string& reason) {
  ASSERT_EQ(platform.messages.size(), 1u) << path;
  const Message& m = platform.messages[0];
  const std::string n = db == Db::One ? "1" : "2";
  EXPECT_EQ(m.title, "Load Thermodynamic DataBase # " + n);
  EXPECT_EQ(m.icon, MessageIcon::Error);
  EXPECT_EQ(m.text, description + "\r\nTABULON has detected a problem.\r\nDB #" + n +
                        " was not loaded from:\r\n" + path + "\r\n" + reason);
}

// A failed load shows its message and changes nothing else: both databases, their lists, counts,
// paths and every box stay as they were, the earlier load stays the one later commands use, and
// the file is not offered among the recent files.
TEST_P(DatabaseLoading, AFailedLoadChangesNothing) {
  struct Case {
    std::string path;
    std::string description;
    std::string reason;
  };
  Names over;
  for (int i = 0; i < 32768; ++i) over.push_back("S" + std::to_string(100000 + i));
  std::vector<Case> cases = {
      // Three records of four lines after the header and the line of temperatures.
      {dir.Write("noend.dat", Database({"B", "A", "B"}, /*with_end=*/false)), "File failure",
       "It ends at line 14 without an END line."},
      {dir.Write("noheader.dat", "CH4 x\nEND\n"), "File failure", "It has no THERMO header line."},
      {dir.File("missing.dat"), "File failure",
       "The file cannot be opened: No such file or directory."},
      {dir.Path().string(), "File failure", "The file cannot be opened: a directory, not a file."},
      {dir.Write("over.dat", Database(over)), "Overflow",
       "It holds more than 32767 species names."},
  };
  const std::string unreadable = dir.Write("unreadable.dat", Database({"CH4"}));
  ::chmod(unreadable.c_str(), 0);
  if (::geteuid() != 0) {
    cases.push_back({unreadable, "File failure", "The file cannot be opened: Permission denied."});
  } else {
    RecordProperty("skipped", "running as root: permissions cannot make a file unreadable");
  }
  const std::string before = WindowState(window);
  const auto kept = window.databases.Current(GetParam(), earlier_path);
  platform.loaded_files.clear();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    platform.messages.clear();
    LoadOwn(c.path);
    ExpectLoadMessage(platform, GetParam(), c.path, c.description, c.reason);
    EXPECT_EQ(WindowState(window), before);
    EXPECT_TRUE(changed_fields.empty());
    EXPECT_EQ(window.databases.Current(GetParam(), earlier_path), kept);
    EXPECT_TRUE(platform.loaded_files.empty());
  }
}

TEST_P(DatabaseLoading, CountsGoUpTo32767Species) {
  Names names;
  for (int i = 0; i < 32767; ++i) names.push_back("S" + std::to_string(100000 + i));
  LoadOwn(dir.Write("full.dat", Database(names)));
  EXPECT_EQ(Own().count, 32767);
  EXPECT_EQ(Own().count_label.Caption(), "(32767)");
  EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(BothSides, DatabaseLoading, ::testing::Values(Db::One, Db::Two),
                         [](const auto& info) { return info.param == Db::One ? "DB1" : "DB2"; });

TEST(DatabaseLoadingFlags, ALoadWithoutNamesLeavesTheFlagFalse) {
  ScriptedPlatform platform;
  MainWindowModel window{platform};
  window.Load();
  TempDir dir;
  for (const std::string& bytes : {std::string("THERMO\nEND\n"), std::string("x\n")}) {
    platform.file_answers = {dir.Write("db.dat", bytes)};
    window.CMD1.Click();
    EXPECT_FALSE(window.common.DB1Loaded);
  }
  platform.file_answers = {dir.Write("db.dat", "THERMO\nA x\n")};  // fails after one name
  window.CMD1.Click();
  EXPECT_FALSE(window.common.DB1Loaded);
  platform.file_answers = {dir.Write("db.dat", "THERMO\nA x\nEND\n")};
  window.CMD1.Click();
  EXPECT_TRUE(window.common.DB1Loaded);
}

}  // namespace
}  // namespace tabulon
