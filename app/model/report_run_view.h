// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <utility>

#include "compare/report_run.h"
#include "properties/field_reactions.h"
#include "thermodb/thermo_file.h"

namespace tabulon {

class MainWindowModel;

// Both detail views' temperature fields as they stand before a report run.
std::array<DetailFields, 2> FieldsBeforeReport(MainWindowModel& window);

// Shows in the window what a report run did, as the run met it: each event told in order (a
// refused species' "Check temperature" message, a field's failure), then both detail views
// left as the run left them (the species selected in LOS1 and LOS2, its limits, boxes,
// temperature fields and results), each written once.
void ShowReportRun(MainWindowModel& window, const ReportRunResult& run);

}  // namespace tabulon
