#pragma once

#include "app/model/database_side.h"

namespace tabulon {

class VivuveRava;

// A click (or a selection by code) in LOS1 or LOS2: re-reads the selected species' record and
// shows its limits, coefficients and Hf/R field in that database's detail view.
void ShowSpeciesDetail(VivuveRava& window, Db db);

}  // namespace tabulon
