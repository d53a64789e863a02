// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/list_selection.h"

#include "app/model/clear_detail_views.h"
#include "app/model/main_window_model.h"
#include "thermodb/thermo_record.h"

namespace tabulon {

namespace {

void ResetDb1Backgrounds(MainWindowModel& window) {
  for (int i = 0; i < kCoefficientsPerRecord; ++i) window.PropTxt[i].SetBackColour(Colour::Window);
}

// Marks each DB #1 coefficient box whose text differs from the DB #2 box of that coefficient.
void HighlightDifferences(MainWindowModel& window) {
  for (int i = 0; i < kCoefficientsPerRecord; ++i) {
    if (window.PropTxt[i + kCoefficientsPerRecord].Text() != window.PropTxt[i].Text()) {
      window.PropTxt[i].SetBackColour(Colour::Yellow);
    }
  }
}

}  // namespace

void SelectCommon(MainWindowModel& window) {
  window.THERMIMG.SetVisible(false);
  ClearDetailViews(window);
  if (!window.common.CommonReady) return;
  const std::string name = window.LOS3.SelectedText();
  if (!name.empty()) {
    window.LOS1.SelectByName(name);
    window.LOS2.SelectByName(name);
  }
  HighlightDifferences(window);
}

void SelectOnly1(MainWindowModel& window) {
  window.THERMIMG.SetVisible(false);
  if (!window.common.Only1Ready) return;
  ResetDb1Backgrounds(window);
  const std::string name = window.LOS4.SelectedText();
  if (!name.empty()) window.LOS1.SelectByName(name);
}

void SelectOnly2(MainWindowModel& window) {
  window.THERMIMG.SetVisible(false);
  if (!window.common.Only2Ready) return;
  ResetDb1Backgrounds(window);
  window.LOS2.SelectByName(window.LOS5.SelectedText());
}

}  // namespace tabulon
