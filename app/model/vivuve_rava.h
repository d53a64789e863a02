#pragma once

#include "app/model/about_window.h"
#include "app/model/common_value.h"
#include "common/controls.h"
#include "common/platform_services.h"
#include "thermodb/record_finder.h"

namespace tabulon {

// The main window as a model: every control of its three frames, named as in the window, with
// its text at load and its initial visibility, and the shared state CommonValue. Each event of
// a control is wired to its reaction in the constructor; the reactions (in thermodb/,
// properties/ and compare/) read and write these controls exactly as they would the window.
// The Qt window (app/qt) is a view of this object, and tabulon-batch drives it headless.
class VivuveRava {
 public:
  explicit VivuveRava(PlatformServices& platform);
  VivuveRava(const VivuveRava&) = delete;
  VivuveRava& operator=(const VivuveRava&) = delete;

  // The window's load steps; run once, right after construction.
  void Load();

  PlatformServices& platform;
  CommonValue common;
  // Record lookups of both databases; holds positions only, never a parsed copy of a file.
  RecordFinder records;

  // Frm1, the DB #1 frame.
  Label Frm1{"Frm1", "Thermodynamic Database # 1"};
  Label Lbl3{"Lbl3", "List of Species in database # 1"};
  Label List1Nbr{"List1Nbr", "(0)"};
  ListBox LOS1{"LOS1"};
  Label Lbl1{"Lbl1"};
  Button CMD1{"CMD1", "Load Thermodynamic DataBase # 1"};
  Label Lbl8{"Lbl8"};
  Label Lbl10{"Lbl10", "*"};
  Label Lbl11{"Lbl11", "*"};
  Label LblCp1{"LblCp1", "T (K) = "};
  TextBox TXT1K{"TXT1K"};
  Label cplbl1{"cplbl1", "Cp (cal/mol/K) =    "};
  TextBox TXT1CP{"TXT1CP"};
  TextBox TXT1CPBis{"TXT1CPBis", false};
  Label Label2{"Label2", "T (K) ="};
  TextBox TXT1KH{"TXT1KH"};
  Label hlbl1{"hlbl1", "Ho  (kcal/mol) ="};
  TextBox TXT1H{"TXT1H"};
  TextBox TXT1HBis{"TXT1HBis", false};
  Label Label3{"Label3", "T (K) ="};
  TextBox TXT1KS{"TXT1KS"};
  Label slbl1{"slbl1", "So (cal/mol/K) = "};
  TextBox TXT1S{"TXT1S"};
  TextBox TXT1SBis{"TXT1SBis", false};
  CheckBox Ck1{"Ck1"};
  Label lblHf1{"lblHf1", "D"};  // shown in the Symbol font, where D is the capital delta
  Label lblHf2{"lblHf2", "Hf (298K) / R"};
  TextBox Ravuvatxt1{"Ravuvatxt1"};

  // Coefficient boxes: 0 to 13 belong to DB #1 (Frm1), 14 to 27 to DB #2 (Frm2).
  ControlArray<TextBox> PropTxt{"PropTxt", 28};

  // Frm2, the DB #2 frame.
  Label Frm2{"Frm2", "Thermodynamic Database # 2"};
  Label Lbl4{"Lbl4", "List of Species in database # 2"};
  Label List2Nbr{"List2Nbr", "(0)"};
  ListBox LOS2{"LOS2"};
  Label Lbl2{"Lbl2"};
  Button CMD2{"CMD2", "Load Thermodynamic DataBase # 2"};
  Label Lbl9{"Lbl9"};
  Label Lbl12{"Lbl12", "*"};
  Label Lbl13{"Lbl13", "*"};
  Label Label1{"Label1", "T (K) ="};
  TextBox TXT2K{"TXT2K"};
  Label cplbl2{"cplbl2", "Cp (cal/mol/K) =    "};
  TextBox TXT2CP{"TXT2CP"};
  TextBox TXT2CPBis{"TXT2CPBis", false};
  Label Label4{"Label4", "T (K) ="};
  TextBox TXT2KH{"TXT2KH"};
  Label hlbl2{"hlbl2", "Ho  (kcal/mol) ="};
  TextBox TXT2H{"TXT2H"};
  TextBox TXT2HBis{"TXT2HBis", false};
  Label Label5{"Label5", "T (K) ="};
  TextBox TXT2KS{"TXT2KS"};
  Label sbl2{"sbl2", "So (cal/mol/K) = "};
  TextBox TXT2S{"TXT2S"};
  TextBox TXT2SBis{"TXT2SBis", false};
  CheckBox Ck2{"Ck2"};
  Label Label6{"Label6", "D"};
  Label lblHf4{"lblHf4", "Hf (298K) / R"};
  TextBox Ravuvatxt2{"Ravuvatxt2"};

  // Frm3, the comparison frame.
  Label Frm3{"Frm3", "Comparison of the Thermodynamic Databases"};
  Label Lbl5{"Lbl5", "List of Common Species in Both Databases"};
  Label List3Nbr{"List3Nbr", "(0)"};
  Label Lbl6{"Lbl6", "List of species in DB # 1 but not in DB # 2"};
  Label List4Nbr{"List4Nbr", "(0)"};
  Label Lbl7{"Lbl7", "List of species in DB # 2 but not in DB # 1"};
  Label List5Nbr{"List5Nbr", "(0)"};
  ListBox LOS3{"LOS3"};
  ListBox LOS4{"LOS4"};
  ListBox LOS5{"LOS5"};
  Button CMD3{"CMD3", "Compare"};
  Image THERMIMG{"THERMIMG"};
  Label msglbl1{"msglbl1"};
  Button CMD4{"CMD4", "Compare Common Species @ T(K) =", false};
  TextBox Ktxt{"Ktxt", false};
  TextBox Ktxt2{"Ktxt2", false};
  TextBox Ktxt3{"Ktxt3", false};
  Label msglbl2{"msglbl2"};
  Button AboutCmd{"AboutCmd", "&About"};
  Button QuitCMD{"QuitCMD", "&Quit"};

  // The About window, shown modally by AboutCmd.
  Aboutfrm about{*this};

 private:
  void WireEvents();
};

}  // namespace tabulon
