// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/database_loader.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "app/model/clear_detail_views.h"
#include "app/model/main_window_model.h"
#include "app/model/repeated_names.h"
#include "common/ascii_text.h"
#include "common/failure.h"
#include "common/message_text.h"
#include "common/number_text.h"
#include "thermodb/name_scan.h"
#include "thermodb/path_caption.h"
#include "thermodb/thermo_file.h"
#include "thermodb/thermo_format.h"
#include "thermodb/thermo_record.h"

namespace tabulon {

namespace {

OpenFileRequest DatabaseFileRequest() {
  return OpenFileRequest{
      .title = "Selection THERMO File...",
      .filter = "DAT Files (*.dat)|*.dat|THE Files (*.the)|*.the|All Files |*.*|",
      .filter_index = 1,
      .initial_dir = "C:\\",
  };
}

// Clears everything that depended on the earlier databases, once the new file has been read.
// Emptying a temperature field runs its change reaction, as when the user empties it.
void ResetForLoad(MainWindowModel& w, const DatabaseSide& side) {
  w.THERMIMG.SetVisible(false);
  for (ListBox* list : {&side.list, &w.LOS3, &w.LOS4, &w.LOS5}) list->Clear();
  side.count = 0;
  w.common.CommonCount = 0;
  w.common.Only1Count = 0;
  w.common.Only2Count = 0;
  for (TextBox* box : {&w.TXT1K, &w.TXT1KH, &w.TXT1KS, &w.TXT1CP, &w.TXT1CPBis, &w.TXT1H,
                       &w.TXT1HBis, &w.TXT1S, &w.TXT1SBis}) {
    box->SetText("");
  }
  for (Label* label : {&w.Lbl8, &w.Lbl10, &w.Lbl11}) label->SetCaption("");
  for (TextBox* box : {&w.TXT2K, &w.TXT2KH, &w.TXT2KS, &w.TXT2CP, &w.TXT2CPBis, &w.TXT2H,
                       &w.TXT2HBis, &w.TXT2S, &w.TXT2SBis}) {
    box->SetText("");
  }
  for (Label* label : {&w.Lbl9, &w.Lbl12, &w.Lbl13, &side.path_label}) label->SetCaption("");
  // Removes the highlight of differing coefficients; those are always DB #1's boxes.
  for (int i = 0; i < kCoefficientsPerRecord; ++i) w.PropTxt[i].SetBackColour(Colour::Window);
  w.msglbl1.SetCaption("");
  w.msglbl2.SetCaption("");
  w.Ktxt.SetVisible(false);
  w.Ktxt2.SetVisible(false);
  w.Ktxt3.SetVisible(false);
  w.CMD4.SetVisible(false);
  for (Label* label : {&w.List3Nbr, &w.List4Nbr, &w.List5Nbr}) label->SetCaption("(0)");
}

// Why `file` cannot be loaded, or nothing when it can.
std::optional<Failure> LoadFailure(const ThermoFile& file) {
  // Every name the scan found counts, repeats included, before repeats are thinned.
  if (file.Records().size() > static_cast<std::size_t>(Count16::kMax)) {
    return Failure(FailureKind::Overflow, "it holds more than 32767 species names");
  }
  if (!file.Outcome().Succeeded()) return Failure(FailureKind::FileFailure, file.Outcome().problem);
  return std::nullopt;
}

// Shows the file read as the side's database and keeps the read for every later command.
void Show(MainWindowModel& w, const DatabaseSide& side, std::string path, DatabaseRead read) {
  std::shared_ptr<const ThermoFile>& file = read.file;
  side.path = std::move(path);
  side.dir = DirectoryOf(side.path);
  side.path_label.SetCaption(PathCaption(side.path_prefix, side.path, side.dir));
  side.list.AddItems(std::move(read.sorted_names));
  side.count = static_cast<int>(file->Records().size());
  // The flag is never cleared: a file without names leaves it as it was.
  if (side.count > 0) side.loaded = true;
  w.databases.Keep(side.db, std::move(file));

  RemoveRepeatedNames(side.list, side.count);
  side.count_label.SetCaption(CountCaption(side.count));
  ClearCoefficientBoxes(w);
  w.Ravuvatxt1.SetText("");
  w.Ravuvatxt2.SetText("");
}

// "DB #1 was not loaded", the file and the reason, under the caption of the button.
void ShowLoadFailure(MainWindowModel& w, Db db, const std::string& path, const Failure& failure) {
  const bool one = db == Db::One;
  std::string reason = failure.Detail();
  if (!reason.empty()) reason[0] = UpperAscii(reason[0]);
  reason += '.';
  w.platform.ShowMessage(
      Message{.text = ErrorMessageText(
                  failure.Description(),
                  {one ? "DB #1 was not loaded from:" : "DB #2 was not loaded from:", path, reason},
                  w.common.NewLine),
              .title = one ? "Load Thermodynamic DataBase # 1" : "Load Thermodynamic DataBase # 2",
              .icon = MessageIcon::Error});
}

}  // namespace

LoadOutcome LoadDatabase(MainWindowModel& window, Db db) {
  std::optional<std::string> chosen = window.platform.ChooseOpenFile(DatabaseFileRequest());
  if (!chosen) return LoadOutcome::Cancelled;
  return LoadDatabase(window, db, std::move(*chosen));
}

DatabaseRead ReadDatabase(const std::string& path) {
  DatabaseRead read{.file = std::make_shared<const ThermoFile>(ThermoFile::Read(path)),
                    .sorted_names = {}};
  read.sorted_names.reserve(read.file->Records().size());
  for (const ThermoRecord& record : read.file->Records()) read.sorted_names.push_back(record.name);
  std::sort(read.sorted_names.begin(), read.sorted_names.end());
  read.file->BuildNameIndex();
  return read;
}

LoadOutcome LoadDatabase(MainWindowModel& window, Db db, std::string path) {
  DatabaseRead read = ReadDatabase(path);
  return LoadDatabase(window, db, std::move(path), std::move(read));
}

LoadOutcome LoadDatabase(MainWindowModel& window, Db db, std::string path, DatabaseRead read) {
  // The whole file is read and judged before anything is touched, so a failed load leaves
  // the window exactly as it was.
  if (const std::optional<Failure> failure = LoadFailure(*read.file)) {
    ShowLoadFailure(window, db, path, *failure);
    return LoadOutcome::Failed;
  }
  const DatabaseSide side = SideOf(window, db);
  ResetForLoad(window, side);
  Show(window, side, std::move(path), std::move(read));
  window.platform.DatabaseLoaded(side.path);
  return LoadOutcome::Loaded;
}

}  // namespace tabulon
