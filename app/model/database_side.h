// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "app/model/controls.h"
#include "common/count16.h"
#include "properties/species_view.h"

namespace tabulon {

class MainWindowModel;

// The controls and shared values that belong to one database, so that an operation told once
// for DB #1 runs for DB #2 on that side's own controls. The texts that differ between the two
// sides are here too.
struct DatabaseSide {
  Db db;
  int first_coefficient;  // PropTxt index of a1: 0 for DB #1, 14 for DB #2

  // Loading.
  ListBox& list;            // LOS1, LOS2
  Label& count_label;       // List1Nbr, List2Nbr
  Label& path_label;        // Lbl1, Lbl2
  bool& loaded;             // DB1Loaded, DB2Loaded
  Count16& count;           // DB1Count, DB2Count
  std::string& path;        // DB1Path, DB2Path
  std::string& dir;         // DB1Dir, DB2Dir
  const char* path_prefix;  // "DB1: ", "DB2: "

  // Detail view.
  Label& limits_label;      // Lbl8, Lbl9
  Label& high_range_label;  // Lbl10, Lbl12
  Label& low_range_label;   // Lbl11, Lbl13
  CheckBox& hf_check;       // Ck1, Ck2
  TextBox& hf_box;          // Ravuvatxt1, Ravuvatxt2
  Label& species_label;     // FrameSpecies1, FrameSpecies2
  std::string& t_low;       // T1Low, T2Low
  std::string& t_high;      // T1High, T2High
  std::string& t_mid;       // T1Mid, T2Mid

  // Temperature fields, their result boxes and second boxes.
  TextBox& cp_field;   // TXT1K, TXT2K
  TextBox& h_field;    // TXT1KH, TXT2KH
  TextBox& s_field;    // TXT1KS, TXT2KS
  TextBox& cp_result;  // TXT1CP, TXT2CP
  TextBox& h_result;   // TXT1H, TXT2H
  TextBox& s_result;   // TXT1S, TXT2S
  TextBox& cp_second;  // TXT1CPBis, TXT2CPBis
  TextBox& h_second;   // TXT1HBis, TXT2HBis
  TextBox& s_second;   // TXT1SBis, TXT2SBis

  // The coefficient box of coefficient k (0 to 13: a1 to a7, then a'1 to a'7) of this side.
  TextBox& Coefficient(int k) const;

  MainWindowModel& window;
};

DatabaseSide SideOf(MainWindowModel& window, Db db);

}  // namespace tabulon
