// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/model/database_side.h"
#include "properties/species_view.h"

namespace tabulon {

class MainWindowModel;

// A click (or a selection by code) in LOS1 or LOS2: re-reads the selected species' record and
// shows its limits, coefficients and Hf/R field in that database's detail view, then empties
// the side's temperature fields and result boxes. It ends in one of three ways:
//  - shown: labels, limits, coefficient boxes and (with Ck1/Ck2 checked) the Hf/R box show
//    the species;
//  - refused: a limit reads as 0; after the "Check temperature" message the labels and limits
//    show the species, but its coefficient boxes and Hf/R box are emptied, so nothing is ever
//    computed from another species' coefficients;
//  - not shown: no record for the name (an empty name, a file changed or removed since
//    loading, a record ending before its fourth line): labels, limits, coefficient boxes and
//    Hf/R box are emptied, with no message.
// Returns which of the three it was.
DetailOutcome ShowSpeciesDetail(MainWindowModel& window, Db db);

// Writes a detail view's texts into the side's limit labels, limit texts, coefficient boxes
// and Hf/R box, and names `record`, the species it shows, in the frame's caption; nothing else
// (no message, no temperature field).
void ShowDetailView(const DatabaseSide& side, const DetailView& view, const ThermoRecord* record);

// The "Check temperature" message of a refused species.
void ShowTemperatureMessage(MainWindowModel& window, Db db);

// True when the side's detail view shows a species' coefficients (the first outcome above):
// its limits label is set and the limits pass the temperature check. For observers of the
// window (tests); the reactions use the outcome ShowSpeciesDetail returns.
bool SpeciesShown(const DatabaseSide& side);

}  // namespace tabulon
