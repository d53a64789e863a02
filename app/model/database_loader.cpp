// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/database_loader.h"

#include <string>
#include <vector>

#include "app/model/clear_detail_views.h"
#include "app/model/frame_species.h"
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

// Clears everything that depended on the earlier databases, before the dialog is shown.
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

void AddSpeciesName(const DatabaseSide& side, std::string name) {
  if (side.count == Count16::kMax) {
    throw Failure(FailureKind::Overflow, "it holds more than 32767 species names");
  }
  ++side.count;
  side.loaded = true;
  side.list.AddItem(std::move(name));
}

void Read(MainWindowModel& w, const DatabaseSide& side, std::string chosen) {
  side.path = std::move(chosen);
  side.dir = DirectoryOf(side.path);
  side.path_label.SetCaption(PathCaption(side.path_prefix, side.path, side.dir));

  // One read of the file: the names come from it, and every later command uses its records
  // while the file is unchanged.
  auto file = std::make_shared<const ThermoFile>(ThermoFile::Read(side.path));
  w.databases.Keep(side.db, file);
  for (const ThermoRecord& record : file->Records()) AddSpeciesName(side, record.name);
  if (!file->Outcome().Succeeded())
    throw Failure(FailureKind::FileFailure, file->Outcome().problem);

  RemoveRepeatedNames(side.list, side.count);
  side.count_label.SetCaption(CountCaption(side.count));
  ClearCoefficientBoxes(w);
  w.Ravuvatxt1.SetText("");
  w.Ravuvatxt2.SetText("");
}

// What a failed load leaves: its own side's coefficient boxes, Hf/R box and path label empty and
// its count label at "(0)"; the names already listed stay.
void ClearAfterFailure(const DatabaseSide& side) {
  for (int k = 0; k < kCoefficientsPerRecord; ++k) side.Coefficient(k).SetText("");
  ClearFrameSpecies(side);
  side.hf_box.SetText("");
  side.path_label.SetCaption("");
  side.count_label.SetCaption("(0)");
}

// "DB #1 was not loaded", the file and the reason, under the caption of the button.
void ShowLoadFailure(MainWindowModel& w, const DatabaseSide& side, const Failure& failure) {
  const bool one = side.db == Db::One;
  std::string reason = failure.Detail();
  if (!reason.empty()) reason[0] = UpperAscii(reason[0]);
  reason += '.';
  w.platform.ShowMessage(Message{
      .text = ErrorMessageText(
          failure.Description(),
          {one ? "DB #1 was not loaded from:" : "DB #2 was not loaded from:", side.path, reason},
          w.common.NewLine),
      .title = one ? "Load Thermodynamic DataBase # 1" : "Load Thermodynamic DataBase # 2",
      .icon = MessageIcon::Error});
}

}  // namespace

LoadOutcome LoadDatabase(MainWindowModel& window, Db db) {
  const DatabaseSide side = SideOf(window, db);
  // Cancelling the dialog leaves everything as it was: the reset waits for a chosen file.
  std::optional<std::string> chosen = window.platform.ChooseOpenFile(DatabaseFileRequest());
  if (!chosen) return LoadOutcome::Cancelled;
  ResetForLoad(window, side);
  try {
    Read(window, side, std::move(*chosen));
  } catch (const Failure& failure) {
    ClearAfterFailure(side);
    ShowLoadFailure(window, side, failure);
    return LoadOutcome::Failed;
  }
  return LoadOutcome::Loaded;
}

}  // namespace tabulon
