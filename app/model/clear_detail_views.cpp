// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/clear_detail_views.h"

#include "app/model/frame_species.h"
#include "app/model/main_window_model.h"

namespace tabulon {

void ClearDetailViews(MainWindowModel& w) {
  // This order: the fields' reactions run one after another as each field is emptied.
  for (TextBox* box : {&w.TXT1K, &w.TXT1KH, &w.TXT1KS, &w.TXT2K, &w.TXT2KH, &w.TXT2KS, &w.TXT1CP,
                       &w.TXT1H, &w.TXT1S, &w.TXT2CP, &w.TXT2H, &w.TXT2S}) {
    box->SetText("");
  }
  for (TextBox* second :
       {&w.TXT1CPBis, &w.TXT1HBis, &w.TXT1SBis, &w.TXT2CPBis, &w.TXT2HBis, &w.TXT2SBis}) {
    second->SetVisible(false);
  }
  ClearLimitLabels(w);
  ClearCoefficientBoxes(w);
}

void ClearCoefficientBoxes(MainWindowModel& w) {
  for (int i = 0; i < w.PropTxt.Size(); ++i) w.PropTxt[i].SetText("");
  for (const Db db : {Db::One, Db::Two}) ClearFrameSpecies(SideOf(w, db));
}

void ClearLimitLabels(MainWindowModel& w) {
  for (Label* label : {&w.Lbl8, &w.Lbl9, &w.Lbl10, &w.Lbl11, &w.Lbl12, &w.Lbl13}) {
    label->SetCaption("");
  }
}

}  // namespace tabulon
