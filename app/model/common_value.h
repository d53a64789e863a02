// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "common/count16.h"

namespace tabulon {

// The shared state of the main window, created with it and kept until the program ends. The
// values here are those before the window's load steps run (see MainWindowModel::Load).
struct CommonValue {
  bool DB1Loaded = false;
  bool DB2Loaded = false;
  bool CommonReady = false;
  bool Only1Ready = false;
  bool Only2Ready = false;

  Count16 DB1Count;
  Count16 DB2Count;
  Count16 CommonCount;
  Count16 Only1Count;
  Count16 Only2Count;

  std::string DB1Path;
  std::string DB2Path;
  std::string DB1Dir;
  std::string DB2Dir;
  // The folder the reports go to, with its trailing separator, when the user chose one; empty:
  // DB #1's folder (ReportsFolder says which).
  std::string ReportsDir;

  // Temperature limits of the species shown in each detail view, as NumberText texts.
  std::string T1Low, T1High, T1Mid;
  std::string T2Low, T2High, T2Mid;

  std::string NewLine;
  float RGas = 0;  // single precision on purpose: the tool's gas constant is the float 1.9872
};

}  // namespace tabulon
