// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/database_side.h"

#include "app/model/main_window_model.h"
#include "thermodb/thermo_record.h"

namespace tabulon {

TextBox& DatabaseSide::Coefficient(int k) const {
  return window.PropTxt[first_coefficient + k];
}

DatabaseSide SideOf(MainWindowModel& w, Db db) {
  CommonValue& c = w.common;
  if (db == Db::One) {
    return DatabaseSide{.db = Db::One,
                        .first_coefficient = 0,
                        .list = w.LOS1,
                        .count_label = w.List1Nbr,
                        .path_label = w.Lbl1,
                        .loaded = c.DB1Loaded,
                        .count = c.DB1Count,
                        .path = c.DB1Path,
                        .dir = c.DB1Dir,
                        .path_prefix = "DB1: ",
                        .limits_label = w.Lbl8,
                        .high_range_label = w.Lbl10,
                        .low_range_label = w.Lbl11,
                        .hf_check = w.Ck1,
                        .hf_box = w.Ravuvatxt1,
                        .species_label = w.FrameSpecies1,
                        .t_low = c.T1Low,
                        .t_high = c.T1High,
                        .t_mid = c.T1Mid,
                        .cp_field = w.TXT1K,
                        .h_field = w.TXT1KH,
                        .s_field = w.TXT1KS,
                        .cp_result = w.TXT1CP,
                        .h_result = w.TXT1H,
                        .s_result = w.TXT1S,
                        .cp_second = w.TXT1CPBis,
                        .h_second = w.TXT1HBis,
                        .s_second = w.TXT1SBis,
                        .window = w};
  }
  return DatabaseSide{.db = Db::Two,
                      .first_coefficient = kCoefficientsPerRecord,
                      .list = w.LOS2,
                      .count_label = w.List2Nbr,
                      .path_label = w.Lbl2,
                      .loaded = c.DB2Loaded,
                      .count = c.DB2Count,
                      .path = c.DB2Path,
                      .dir = c.DB2Dir,
                      .path_prefix = "DB2: ",
                      .limits_label = w.Lbl9,
                      .high_range_label = w.Lbl12,
                      .low_range_label = w.Lbl13,
                      .hf_check = w.Ck2,
                      .hf_box = w.Ravuvatxt2,
                      .species_label = w.FrameSpecies2,
                      .t_low = c.T2Low,
                      .t_high = c.T2High,
                      .t_mid = c.T2Mid,
                      .cp_field = w.TXT2K,
                      .h_field = w.TXT2KH,
                      .s_field = w.TXT2KS,
                      .cp_result = w.TXT2CP,
                      .h_result = w.TXT2H,
                      .s_result = w.TXT2S,
                      .cp_second = w.TXT2CPBis,
                      .h_second = w.TXT2HBis,
                      .s_second = w.TXT2SBis,
                      .window = w};
}

}  // namespace tabulon
