#pragma once

namespace tabulon {

class VivuveRava;

// CMD3 "Compare": fills LOS3, LOS4 and LOS5, writes Comp.txt and checks for repeated names.
void CompareDatabases(VivuveRava& window);

}  // namespace tabulon
