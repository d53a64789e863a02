#pragma once

namespace tabulon {

class VivuveRava;

// CMD4: writes Comp2.txt with Cp, H and S of every common species at the three temperatures.
void WritePropertyReport(VivuveRava& window);

}  // namespace tabulon
