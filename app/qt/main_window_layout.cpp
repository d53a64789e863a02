// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/main_window_layout.h"

namespace tabulon::gui {

namespace {

constexpr Style kReadOnly{.read_only = true};
constexpr Style kGreyed{.read_only = true, .disabled = true};
constexpr Style kSymbolFont{.symbol_font = true};
// The caption of the species a database frame holds; the widest control of its row, so that
// more of the record's fields fit beside the name.
constexpr TwipsRect kFrameSpeciesPlace{5280, 3000, 6300, 255};

// The coefficient boxes: two rows of seven per frame. Box k (0 to 13) of a frame holds a1 to a7
// in the first row and a'1 to a'7 in the second; tab indexes run down from the frame's first.
void PlaceCoefficientBoxes(MainWindowModel& w, std::vector<ControlPlace>& layout) {
  for (int i = 0; i < w.PropTxt.Size(); ++i) {
    const bool db1 = i < 14;
    const int k = i % 14;
    layout.push_back({&w.PropTxt[i],
                      db1 ? &w.Frm1 : &w.Frm2,
                      {2400 + 1560 * (k % 7), 1440 + 480 * (k / 7), 1455, 375},
                      (db1 ? 14 : 35) - k,
                      db1 ? kReadOnly : Style{}});
  }
}

}  // namespace

const Control& ControlOf(const ModelControl& control) {
  return std::visit(
      [](const auto& c) -> const Control& {
        if constexpr (std::is_same_v<std::decay_t<decltype(c)>, Frame>) {
          return *c.caption;
        } else {
          return *c;
        }
      },
      control);
}

std::vector<ControlPlace> MainWindowLayout(MainWindowModel& w) {
  const Label* frm1 = &w.Frm1;
  const Label* frm2 = &w.Frm2;
  const Label* frm3 = &w.Frm3;
  std::vector<ControlPlace> layout = {
      {Frame{&w.Frm1}, nullptr, {120, 0, 13335, 3735}, 0},
      {Frame{&w.Frm2}, nullptr, {120, 3840, 13335, 3735}, 18},
      {Frame{&w.Frm3}, nullptr, {120, 7800, 13335, 2535}, 36},

      {&w.Lbl3, frm1, {360, 240, 3615, 255}, 41},
      {&w.List1Nbr, frm1, {3300, 240, 765, 255}, 82},  // room for "(32767)"
      {&w.LOS1, frm1, {360, 480, 3615, 840}, 15},
      {&w.Lbl1, frm1, {4080, 480, 5055, 255}, 17},
      {&w.CMD1, frm1, {4200, 960, 4575, 375}, 16},
      {&w.Lbl8, frm1, {9120, 1080, 3975, 375}, 46},
      {&w.Lbl10, frm1, {120, 1560, 2295, 255}, 50},
      {&w.Lbl11, frm1, {120, 2040, 2295, 255}, 51},
      {&w.LblCp1, frm1, {120, 2640, 615, 255}, 52},
      {&w.TXT1K, frm1, {720, 2520, 855, 375}, 53},
      {&w.cplbl1, frm1, {1680, 2640, 1215, 255}, 89},
      {&w.TXT1CP, frm1, {2880, 2520, 975, 375}, 54, kReadOnly},
      {&w.TXT1CPBis, frm1, {4080, 2520, 975, 375}, 55, kReadOnly},
      {&w.Label2, frm1, {120, 3000, 615, 255}, 61},
      {&w.TXT1KH, frm1, {720, 2880, 855, 375}, 62},
      {&w.hlbl1, frm1, {1680, 3000, 1215, 255}, 91},
      {&w.TXT1H, frm1, {2880, 2880, 975, 375}, 63, kReadOnly},
      {&w.TXT1HBis, frm1, {4080, 2880, 975, 375}, 73, kReadOnly},
      {&w.Label3, frm1, {120, 3360, 615, 255}, 65},
      {&w.TXT1KS, frm1, {720, 3240, 855, 375}, 64},
      {&w.slbl1, frm1, {1680, 3360, 1215, 255}, 94},
      {&w.TXT1S, frm1, {2880, 3240, 975, 375}, 66, kReadOnly},
      {&w.TXT1SBis, frm1, {4080, 3240, 975, 375}, 74, kReadOnly},
      {&w.Ck1, frm1, {11760, 2400, 255, 255}, 96},
      {&w.lblHf1, frm1, {12000, 2400, 255, 255}, 99, kSymbolFont},
      {&w.lblHf2, frm1, {12120, 2400, 975, 255}, 100},
      {&w.Ravuvatxt1, frm1, {11760, 2760, 1455, 375}, 95, kGreyed},
      // Below the Plot and Table buttons, right of the result boxes.
      {&w.FrameSpecies1, frm1, kFrameSpeciesPlace, kNoTabIndex},

      {&w.Lbl4, frm2, {360, 240, 3615, 255}, 42},
      {&w.List2Nbr, frm2, {3420, 240, 765, 255}, 83},  // room for "(32767)"
      {&w.LOS2, frm2, {360, 480, 3735, 840}, 21},
      {&w.Lbl2, frm2, {4200, 480, 5175, 255}, 20},
      {&w.CMD2, frm2, {4320, 960, 4455, 375}, 19},
      {&w.Lbl9, frm2, {9120, 1080, 3975, 375}, 47},
      {&w.Lbl12, frm2, {120, 1560, 2295, 255}, 48},
      {&w.Lbl13, frm2, {120, 2040, 2295, 255}, 49},
      {&w.Label1, frm2, {120, 2640, 615, 255}, 59},
      {&w.TXT2K, frm2, {720, 2520, 855, 375}, 58},
      {&w.cplbl2, frm2, {1680, 2640, 1215, 255}, 90},
      {&w.TXT2CP, frm2, {2880, 2520, 975, 375}, 57, kReadOnly},
      {&w.TXT2CPBis, frm2, {4080, 2520, 975, 375}, 56, kReadOnly},
      {&w.Label4, frm2, {120, 3000, 615, 255}, 68},
      {&w.TXT2KH, frm2, {720, 2880, 855, 375}, 67},
      {&w.hlbl2, frm2, {1680, 3000, 1215, 255}, 92},
      {&w.TXT2H, frm2, {2880, 2880, 975, 375}, 69, kReadOnly},
      {&w.TXT2HBis, frm2, {4080, 2880, 975, 375}, 76, kReadOnly},
      {&w.Label5, frm2, {120, 3360, 615, 255}, 71},
      {&w.TXT2KS, frm2, {720, 3240, 855, 375}, 70},
      {&w.sbl2, frm2, {1680, 3360, 1215, 255}, 93},
      {&w.TXT2S, frm2, {2880, 3240, 975, 375}, 72, kReadOnly},
      {&w.TXT2SBis, frm2, {4080, 3240, 975, 375}, 75, kReadOnly},
      {&w.Ck2, frm2, {11760, 2400, 255, 255}, 97},
      {&w.Label6, frm2, {12000, 2400, 255, 255}, 101, kSymbolFont},
      {&w.lblHf4, frm2, {12120, 2400, 975, 255}, 102},
      {&w.Ravuvatxt2, frm2, {11760, 2760, 1455, 375}, 98, kGreyed},
      {&w.FrameSpecies2, frm2, kFrameSpeciesPlace, kNoTabIndex},

      {&w.Lbl5, frm3, {360, 240, 3135, 255}, 43},
      {&w.List3Nbr, frm3, {3600, 240, 765, 255}, 84},
      {&w.Lbl6, frm3, {4800, 240, 3975, 255}, 44},
      {&w.List4Nbr, frm3, {8040, 240, 765, 255}, 85},
      {&w.Lbl7, frm3, {9240, 240, 3135, 255}, 45},
      {&w.List5Nbr, frm3, {12480, 240, 765, 255}, 86},
      {&w.LOS3, frm3, {360, 480, 3735, 840}, 40},
      {&w.LOS4, frm3, {4800, 480, 3735, 840}, 39},
      {&w.LOS5, frm3, {9240, 480, 3735, 840}, 38},
      {&w.CMD3, frm3, {120, 1560, 3975, 375}, 37},
      {&w.THERMIMG, frm3, {7680, 1440, 405, 930}, kNoTabIndex},
      {&w.msglbl1, frm3, {4320, 1680, 3015, 255}, 80},
      {&w.CMD4, frm3, {120, 2040, 3975, 375}, 77},
      {&w.Ktxt, frm3, {4320, 2040, 975, 375}, 78},
      {&w.Ktxt2, frm3, {5400, 2040, 975, 375}, 87},
      {&w.Ktxt3, frm3, {6480, 2040, 975, 375}, 88},
      {&w.msglbl2, frm3, {7560, 2160, 3015, 255}, 79},
      {&w.AboutCmd, frm3, {10320, 1920, 1335, 495}, 103},
      {&w.QuitCMD, frm3, {11880, 1920, 1335, 495}, 81},
  };
  PlaceCoefficientBoxes(w, layout);
  return layout;
}

}  // namespace tabulon::gui
