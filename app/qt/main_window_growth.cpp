// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/main_window_growth.h"

namespace tabulon::gui {

namespace {

// The coefficient boxes and the Hf/R controls below the last column spread over the extra
// width, a seventh to each column, and move down with the frame's bottom.
Growth CoefficientColumn(int column, bool grows) {
  return {.move_x = column / 7.0, .grow_x = grows ? 1 / 7.0 : 0, .move_y = 1};
}

void AddDatabaseFrame(std::map<const Control*, Growth>& growth, const DatabaseSide& side,
                      Label& title, std::initializer_list<const Control*> below_list) {
  MainWindowModel& w = side.window;
  growth[&side.list] = {.grow_x = kSpeciesListWidthShare, .grow_y = 1};
  growth[&side.count_label] = kRightOfList;
  growth[&side.path_label] = {.move_x = kSpeciesListWidthShare, .grow_x = kPathLabelWidthShare};
  growth[side.db == Db::One ? static_cast<const Control*>(&w.CMD1) : &w.CMD2] = kRightOfList;
  growth[&side.limits_label] = kFollowsRight;
  growth[&title] = kStays;
  for (const Control* control : below_list) growth[control] = kFollowsBottom;
  for (int k = 0; k < 14; ++k) growth[&side.Coefficient(k)] = CoefficientColumn(k % 7, true);
  growth[&side.hf_box] = CoefficientColumn(6, true);
  growth[&side.hf_check] = CoefficientColumn(6, false);
  // Below the result boxes' row, it widens up to the Hf/R column.
  growth[&side.species_label] = {.grow_x = 6 / 7.0, .move_y = 1};
}

}  // namespace

std::map<const Control*, Growth> MainWindowGrowth(MainWindowModel& w) {
  constexpr double kShare = kDatabaseFrameHeightShare;
  std::map<const Control*, Growth> growth = {
      {&w.Frm1, {.grow_x = 1, .grow_y = kShare}},
      {&w.Frm2, {.grow_x = 1, .move_y = kShare, .grow_y = kShare}},
      {&w.Frm3, {.grow_x = 1, .move_y = 2 * kShare, .grow_y = 1 - 2 * kShare}},

      {&w.lblHf1, CoefficientColumn(6, false)},
      {&w.lblHf2, CoefficientColumn(6, false)},
      {&w.Label6, CoefficientColumn(6, false)},
      {&w.lblHf4, CoefficientColumn(6, false)},

      // The three comparison lists share the width and take the extra height; their titles
      // and counts move with them.
      {&w.Lbl5, kStays},
      {&w.List3Nbr, {.move_x = 1 / 3.0}},
      {&w.LOS3, {.grow_x = 1 / 3.0, .grow_y = 1}},
      {&w.Lbl6, {.move_x = 1 / 3.0}},
      {&w.List4Nbr, {.move_x = 2 / 3.0}},
      {&w.LOS4, {.move_x = 1 / 3.0, .grow_x = 1 / 3.0, .grow_y = 1}},
      {&w.Lbl7, {.move_x = 2 / 3.0}},
      {&w.List5Nbr, {.move_x = 1}},
      {&w.LOS5, {.move_x = 2 / 3.0, .grow_x = 1 / 3.0, .grow_y = 1}},
      {&w.CMD3, kFollowsBottom},
      {&w.THERMIMG, kFollowsBottom},
      {&w.msglbl1, kFollowsBottom},
      {&w.CMD4, kFollowsBottom},
      {&w.Ktxt, kFollowsBottom},
      {&w.Ktxt2, kFollowsBottom},
      {&w.Ktxt3, kFollowsBottom},
      {&w.msglbl2, kFollowsBottom},
      {&w.AboutCmd, kFollowsBottomRight},
      {&w.QuitCMD, kFollowsBottomRight},
  };
  AddDatabaseFrame(growth, SideOf(w, Db::One), w.Lbl3,
                   {&w.Lbl10, &w.Lbl11, &w.LblCp1, &w.TXT1K, &w.cplbl1, &w.TXT1CP, &w.TXT1CPBis,
                    &w.Label2, &w.TXT1KH, &w.hlbl1, &w.TXT1H, &w.TXT1HBis, &w.Label3, &w.TXT1KS,
                    &w.slbl1, &w.TXT1S, &w.TXT1SBis});
  AddDatabaseFrame(growth, SideOf(w, Db::Two), w.Lbl4,
                   {&w.Lbl12, &w.Lbl13, &w.Label1, &w.TXT2K, &w.cplbl2, &w.TXT2CP, &w.TXT2CPBis,
                    &w.Label4, &w.TXT2KH, &w.hlbl2, &w.TXT2H, &w.TXT2HBis, &w.Label5, &w.TXT2KS,
                    &w.sbl2, &w.TXT2S, &w.TXT2SBis});
  return growth;
}

}  // namespace tabulon::gui
