// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/main_window_model.h"

#include "app/model/compare_databases.h"
#include "app/model/database_loader.h"
#include "app/model/database_side.h"
#include "app/model/detail_view.h"
#include "app/model/list_selection.h"
#include "app/model/property_report.h"
#include "app/model/temperature_field.h"
#include "properties/evaluation.h"

namespace tabulon {

MainWindowModel::MainWindowModel(PlatformServices& platform_services)
    : platform(platform_services) {
  for (TextBox* result : {&TXT1CP, &TXT1CPBis, &TXT1H, &TXT1HBis, &TXT1S, &TXT1SBis, &TXT2CP,
                          &TXT2CPBis, &TXT2H, &TXT2HBis, &TXT2S, &TXT2SBis}) {
    result->SetBackColour(Colour::InactiveBorder);
  }
  WireEvents();
}

void MainWindowModel::Load() {
  THERMIMG.SetVisible(false);
  common.DB1Loaded = common.DB2Loaded = false;
  common.CommonReady = common.Only1Ready = common.Only2Ready = false;
  common.DB1Count = common.DB2Count = common.CommonCount = 0;
  common.Only1Count = common.Only2Count = 0;
  common.RGas = kRGas;
  Ktxt.SetText("300");
  Ktxt2.SetText("1000");
  Ktxt3.SetText("2000");
  common.NewLine = "\r\n";
}

void MainWindowModel::WireEvents() {
  CMD1.OnClick([this] { LoadDatabase(*this, Db::One); });
  CMD2.OnClick([this] { LoadDatabase(*this, Db::Two); });
  LOS1.OnClick([this] { ShowSpeciesDetail(*this, Db::One); });
  LOS2.OnClick([this] { ShowSpeciesDetail(*this, Db::Two); });
  TXT1K.OnChange([this] { RecomputeProperty(*this, Db::One, Property::Cp); });
  TXT1KH.OnChange([this] { RecomputeProperty(*this, Db::One, Property::H); });
  TXT1KS.OnChange([this] { RecomputeProperty(*this, Db::One, Property::S); });
  TXT2K.OnChange([this] { RecomputeProperty(*this, Db::Two, Property::Cp); });
  TXT2KH.OnChange([this] { RecomputeProperty(*this, Db::Two, Property::H); });
  TXT2KS.OnChange([this] { RecomputeProperty(*this, Db::Two, Property::S); });
  CMD3.OnClick([this] { CompareDatabases(*this); });
  CMD4.OnClick([this] { WritePropertyReport(*this); });
  LOS3.OnClick([this] { SelectCommon(*this); });
  LOS4.OnClick([this] { SelectOnly1(*this); });
  LOS5.OnClick([this] { SelectOnly2(*this); });
  AboutCmd.OnClick([this] {
    about.Load();
    platform.ShowAboutWindow();
  });
  QuitCMD.OnClick([this] { platform.EndProgram(); });
}

}  // namespace tabulon
