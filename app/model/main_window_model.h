// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/model/about_window_model.h"
#include "app/model/common_value.h"
#include "app/model/controls.h"
#include "app/model/loaded_databases.h"
#include "app/model/merge_marks.h"
#include "app/model/platform_services.h"

namespace tabulon {

// The main window as a model: every control of its three frames, named as in the window, with
// its text at load and its initial visibility, and the shared state CommonValue. Each event of
// a control is wired to its reaction in the constructor; the reactions (app/model/) are thin
// adapters: they read these controls, ask the domain (thermodb/, properties/, compare/) and
// write the controls exactly as the window's own code would.
// The Qt window (app/qt) is a view of this object, and tabulon-batch drives it headless.
class MainWindowModel {
 public:
  explicit MainWindowModel(PlatformServices& platform);
  MainWindowModel(const MainWindowModel&) = delete;
  MainWindowModel& operator=(const MainWindowModel&) = delete;

  // The window's load steps; run once, right after construction.
  void Load();

  PlatformServices& platform;
  CommonValue common;
  // What the loads of both databases read, used by every later command while the files are
  // unchanged.
  LoadedDatabases databases;

  // Frm1, the DB #1 frame.
  Label Frm1{"Frm1", "Thermodynamic Database # 1"};       // the DB #1 frame and its caption
  Label Lbl3{"Lbl3", "List of Species in database # 1"};  // heading of the DB #1 species list
  Label List1Nbr{"List1Nbr", "(0)"};                      // count of LOS1, "(n)"
  ListBox LOS1{"LOS1"};  // species of DB #1, sorted; a click shows one in the DB #1 detail view
  Label Lbl1{"Lbl1"};    // path of DB #1, shortened when long ("DB1: ...")
  // Loads DB #1 through the open-file dialog
  Button CMD1{"CMD1", "Load Thermodynamic DataBase # 1"};
  Label Lbl8{"Lbl8"};                  // limits of the DB #1 species: low, high, common
  Label Lbl10{"Lbl10", "*"};           // high-range caption of DB #1 ("1000  <= T (high) <  5000")
  Label Lbl11{"Lbl11", "*"};           // low-range caption of DB #1 ("200 < T (Low) <=  1000")
  Label LblCp1{"LblCp1", "T (K) = "};  // caption of TXT1K
  TextBox TXT1K{"TXT1K"};  // temperature for Cp of DB #1; its text passes to TXT1KH and TXT1KS
  Label cplbl1{"cplbl1", "Cp (cal/mol/K) =    "};  // caption of TXT1CP
  TextBox TXT1CP{"TXT1CP"};                        // Cp of DB #1 at TXT1K, or "xxx" out of range
  // Cp from the low set at the common temperature; red when it differs
  TextBox TXT1CPBis{"TXT1CPBis", false};
  Label Label2{"Label2", "T (K) ="};          // caption of TXT1KH
  TextBox TXT1KH{"TXT1KH"};                   // temperature for H of DB #1
  Label hlbl1{"hlbl1", "Ho  (kcal/mol) ="};   // caption of TXT1H
  TextBox TXT1H{"TXT1H"};                     // H of DB #1 at TXT1KH
  TextBox TXT1HBis{"TXT1HBis", false};        // H from the low set at the common temperature
  Label Label3{"Label3", "T (K) ="};          // caption of TXT1KS
  TextBox TXT1KS{"TXT1KS"};                   // temperature for S of DB #1
  Label slbl1{"slbl1", "So (cal/mol/K) = "};  // caption of TXT1S
  TextBox TXT1S{"TXT1S"};                     // S of DB #1 at TXT1KS
  TextBox TXT1SBis{"TXT1SBis", false};        // S from the low set at the common temperature
  CheckBox Ck1{"Ck1"};                        // asks for the Hf/R field of DB #1 species
  Label lblHf1{"lblHf1", "D"};  // shown in the Symbol font, where D is the capital delta
  Label lblHf2{"lblHf2", "Hf (298K) / R"};  // caption of Ravuvatxt1
  TextBox Ravuvatxt1{"Ravuvatxt1"};         // the Hf/R box of DB #1 (filled when Ck1 is checked)
  Label FrameSpecies1{"FrameSpecies1"};     // the species the DB #1 boxes hold (frame_species.h)

  // Coefficient boxes: 0 to 13 belong to DB #1 (Frm1), 14 to 27 to DB #2 (Frm2).
  ControlArray<TextBox> PropTxt{"PropTxt", 28};

  // Frm2, the DB #2 frame.
  Label Frm2{"Frm2", "Thermodynamic Database # 2"};       // the DB #2 frame and its caption
  Label Lbl4{"Lbl4", "List of Species in database # 2"};  // heading of the DB #2 species list
  Label List2Nbr{"List2Nbr", "(0)"};                      // count of LOS2
  ListBox LOS2{"LOS2"};  // species of DB #2; a click shows one in the DB #2 detail view
  Label Lbl2{"Lbl2"};    // path of DB #2 ("DB2: ...")
  Button CMD2{"CMD2", "Load Thermodynamic DataBase # 2"};  // loads DB #2
  Label Lbl9{"Lbl9"};                                      // limits of the DB #2 species
  Label Lbl12{"Lbl12", "*"};                               // high-range caption of DB #2
  Label Lbl13{"Lbl13", "*"};                               // low-range caption of DB #2
  Label Label1{"Label1", "T (K) ="};                       // caption of TXT2K
  TextBox TXT2K{"TXT2K"};  // temperature for Cp of DB #2; its text passes to TXT2KH and TXT2KS
  Label cplbl2{"cplbl2", "Cp (cal/mol/K) =    "};  // caption of TXT2CP
  TextBox TXT2CP{"TXT2CP"};                        // Cp of DB #2 at TXT2K
  TextBox TXT2CPBis{"TXT2CPBis", false};  // Cp of DB #2 from the low set at the common temperature
  Label Label4{"Label4", "T (K) ="};      // caption of TXT2KH
  TextBox TXT2KH{"TXT2KH"};               // temperature for H of DB #2
  Label hlbl2{"hlbl2", "Ho  (kcal/mol) ="};  // caption of TXT2H
  TextBox TXT2H{"TXT2H"};                    // H of DB #2 at TXT2KH
  TextBox TXT2HBis{"TXT2HBis", false};      // H of DB #2 from the low set at the common temperature
  Label Label5{"Label5", "T (K) ="};        // caption of TXT2KS
  TextBox TXT2KS{"TXT2KS"};                 // temperature for S of DB #2
  Label sbl2{"sbl2", "So (cal/mol/K) = "};  // caption of TXT2S
  TextBox TXT2S{"TXT2S"};                   // S of DB #2 at TXT2KS
  TextBox TXT2SBis{"TXT2SBis", false};      // S of DB #2 from the low set at the common temperature
  CheckBox Ck2{"Ck2"};                      // asks for the Hf/R field of DB #2 species
  Label Label6{"Label6", "D"};              // the delta before lblHf4, as lblHf1
  Label lblHf4{"lblHf4", "Hf (298K) / R"};  // caption of Ravuvatxt2
  TextBox Ravuvatxt2{"Ravuvatxt2"};         // the Hf/R box of DB #2 (filled when Ck2 is checked)
  Label FrameSpecies2{"FrameSpecies2"};     // the species the DB #2 boxes hold

  // Frm3, the comparison frame.
  Label Frm3{"Frm3", "Comparison of the Thermodynamic Databases"};    // the comparison frame
  Label Lbl5{"Lbl5", "List of Common Species in Both Databases"};     // heading of LOS3
  Label List3Nbr{"List3Nbr", "(0)"};                                  // count of LOS3
  Label Lbl6{"Lbl6", "List of species in DB # 1 but not in DB # 2"};  // heading of LOS4
  Label List4Nbr{"List4Nbr", "(0)"};                                  // count of LOS4
  Label Lbl7{"Lbl7", "List of species in DB # 2 but not in DB # 1"};  // heading of LOS5
  Label List5Nbr{"List5Nbr", "(0)"};                                  // count of LOS5
  ListBox LOS3{"LOS3"};            // species in both databases; a click shows one side by side
  ListBox LOS4{"LOS4"};            // species only in DB #1
  ListBox LOS5{"LOS5"};            // species only in DB #2
  Button CMD3{"CMD3", "Compare"};  // Compare: fills LOS3 to LOS5 and writes Comp.txt
  Image THERMIMG{"THERMIMG"};      // thermometer: shown when Comp2.txt stopped early
  Label msglbl1{"msglbl1"};        // the status line of Compare
  // Compare Common Species: writes Comp2.txt at Ktxt, Ktxt2, Ktxt3
  Button CMD4{"CMD4", "Compare Common Species @ T(K) =", false};
  TextBox Ktxt{"Ktxt", false};            // first temperature of Comp2.txt (300)
  TextBox Ktxt2{"Ktxt2", false};          // second temperature of Comp2.txt (1000)
  TextBox Ktxt3{"Ktxt3", false};          // third temperature of Comp2.txt (2000)
  Label msglbl2{"msglbl2"};               // the status line of Compare Common Species
  Button AboutCmd{"AboutCmd", "&About"};  // opens the About window
  Button QuitCMD{"QuitCMD", "&Quit"};     // ends the program

  // The species marked for a merged database in the Differences window and the comparison
  // lists (Take from DB #2, Add DB #2's only species); shown in LOS3 and LOS5.
  MergeMarks merge_marks{common};

  // The About window, shown modally by AboutCmd.
  AboutWindowModel about{*this};

 private:
  void WireEvents();
};

}  // namespace tabulon
