// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/report_run_view.h"

#include <vector>

#include "app/model/database_side.h"
#include "app/model/detail_view.h"
#include "app/model/main_window_model.h"
#include "app/model/temperature_field.h"

namespace tabulon {

std::array<DetailFields, 2> FieldsBeforeReport(MainWindowModel& window) {
  return {FieldsOf(SideOf(window, Db::One)), FieldsOf(SideOf(window, Db::Two))};
}

void ShowReportRun(MainWindowModel& window, const ReportRunResult& run) {
  for (const RunEvent& event : run.events) {
    if (event.kind == RunEvent::Kind::Refused) {
      ShowTemperatureMessage(window, event.db);
    } else {
      TellFieldFailures(window, event.db, {*event.field_failure});
    }
  }
  if (!run.views) return;
  for (Db db : {Db::One, Db::Two}) {
    const DetailViewEnd& end = (*run.views)[db == Db::One ? 0 : 1];
    const DatabaseSide side = SideOf(window, db);
    side.list.SelectWithoutReaction(end.selected);
    // Showing a species removes the highlight of differing coefficients (DB #1's boxes).
    if (db == Db::One) {
      for (int k = 0; k < kCoefficientsPerRecord; ++k) {
        side.Coefficient(k).SetBackColour(Colour::Window);
      }
    }
    ShowDetailView(side, end.view, end.record);
    ShowFields(side, end.fields);
  }
  window.THERMIMG.SetVisible(false);
}

}  // namespace tabulon
