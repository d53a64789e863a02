// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_dump.h"

#include <cstdint>
#include <cstdio>

#include "app/model/main_window_model.h"

namespace tabulon::transcript {
namespace {

// Lists up to this many items are written whole; longer ones by their ends and a hash.
constexpr int kListedItems = 40;
constexpr int kListEnds = 5;

const char* ColourName(Colour colour) {
  switch (colour) {
    case Colour::Window:
      return "Window";
    case Colour::WindowText:
      return "WindowText";
    case Colour::ButtonText:
      return "ButtonText";
    case Colour::InactiveBorder:
      return "InactiveBorder";
    case Colour::Red:
      return "Red";
    case Colour::Yellow:
      return "Yellow";
  }
  return "?";
}

std::string Visibility(const Control& control) {
  return control.Visible() ? "" : " hidden";
}

std::string Of(const Label& label) {
  return Quoted(label.Caption()) + Visibility(label);
}

std::string Of(const TextBox& box) {
  return Quoted(box.Text()) + " fore=" + ColourName(box.ForeColour()) +
         " back=" + ColourName(box.BackColour()) + Visibility(box);
}

std::string Of(const Button& button) {
  return Quoted(button.Caption()) + Visibility(button);
}

std::string Of(const CheckBox& box) {
  return std::string(box.Checked() ? "checked" : "unchecked") + Visibility(box);
}

std::string Of(const ListBox& list) {
  const std::vector<std::string>& items = list.Items();
  const int count = static_cast<int>(items.size());
  std::string value = "count=" + std::to_string(count) +
                      " selected=" + std::to_string(list.SelectedIndex()) + " " +
                      Quoted(list.SelectedText()) + Visibility(list) + " [";
  auto add = [&](int from, int to) {
    for (int i = from; i < to; ++i) {
      if (i > 0) value += ", ";
      value += Quoted(items[static_cast<std::size_t>(i)]);
    }
  };
  if (count <= kListedItems) {
    add(0, count);
  } else {
    std::string all;
    for (const std::string& item : items) {
      all += item;
      all += '\n';
    }
    add(0, kListEnds);
    value += ", ...";
    add(count - kListEnds, count);
    value += " hash=" + HashText(all);
  }
  return value + "]";
}

std::string Flag(bool value) {
  return value ? "true" : "false";
}

}  // namespace

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    switch (c) {
      case '\r':
        quoted += "\\r";
        break;
      case '\n':
        quoted += "\\n";
        break;
      case '\t':
        quoted += "\\t";
        break;
      case '\\':
        quoted += "\\\\";
        break;
      case '"':
        quoted += "\\\"";
        break;
      default:
        if (byte < 0x20 || byte > 0x7e) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
          quoted += escaped;
        } else {
          quoted += c;
        }
    }
  }
  return quoted + "\"";
}

std::string HashText(std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  char text[20];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

WindowState DumpWindow(const MainWindowModel& w) {
  WindowState state;
  auto add = [&state](const Control& control, std::string value) {
    state.emplace_back(control.Name(), std::move(value));
  };
  auto value = [&state](std::string key, std::string text) {
    state.emplace_back(std::move(key), std::move(text));
  };

  // DB #1 frame, DB #2 frame, comparison frame, in the order of the window's declaration.
  for (const Label* label :
       {&w.Frm1, &w.Lbl3, &w.List1Nbr, &w.Lbl1, &w.Lbl8, &w.Lbl10, &w.Lbl11, &w.LblCp1, &w.cplbl1,
        &w.Label2, &w.hlbl1, &w.Label3, &w.slbl1, &w.lblHf1, &w.lblHf2}) {
    add(*label, Of(*label));
  }
  add(w.LOS1, Of(w.LOS1));
  add(w.CMD1, Of(w.CMD1));
  add(w.Ck1, Of(w.Ck1));
  for (const TextBox* box : {&w.TXT1K, &w.TXT1CP, &w.TXT1CPBis, &w.TXT1KH, &w.TXT1H, &w.TXT1HBis,
                             &w.TXT1KS, &w.TXT1S, &w.TXT1SBis, &w.Ravuvatxt1}) {
    add(*box, Of(*box));
  }
  for (int i = 0; i < w.PropTxt.Size(); ++i) add(w.PropTxt[i], Of(w.PropTxt[i]));

  for (const Label* label :
       {&w.Frm2, &w.Lbl4, &w.List2Nbr, &w.Lbl2, &w.Lbl9, &w.Lbl12, &w.Lbl13, &w.Label1, &w.cplbl2,
        &w.Label4, &w.hlbl2, &w.Label5, &w.sbl2, &w.Label6, &w.lblHf4}) {
    add(*label, Of(*label));
  }
  add(w.LOS2, Of(w.LOS2));
  add(w.CMD2, Of(w.CMD2));
  add(w.Ck2, Of(w.Ck2));
  for (const TextBox* box : {&w.TXT2K, &w.TXT2CP, &w.TXT2CPBis, &w.TXT2KH, &w.TXT2H, &w.TXT2HBis,
                             &w.TXT2KS, &w.TXT2S, &w.TXT2SBis, &w.Ravuvatxt2}) {
    add(*box, Of(*box));
  }

  for (const Label* label : {&w.Frm3, &w.Lbl5, &w.List3Nbr, &w.Lbl6, &w.List4Nbr, &w.Lbl7,
                             &w.List5Nbr, &w.msglbl1, &w.msglbl2}) {
    add(*label, Of(*label));
  }
  for (const ListBox* list : {&w.LOS3, &w.LOS4, &w.LOS5}) add(*list, Of(*list));
  for (const Button* button : {&w.CMD3, &w.CMD4, &w.AboutCmd, &w.QuitCMD})
    add(*button, Of(*button));
  add(w.THERMIMG, w.THERMIMG.Visible() ? "shown" : "hidden");
  for (const TextBox* box : {&w.Ktxt, &w.Ktxt2, &w.Ktxt3}) add(*box, Of(*box));

  // The About window's controls, as its load left them.
  add(w.about.Frame1, Of(w.about.Frame1));
  for (int i = 0; i < w.about.aboutxt.Size(); ++i) add(w.about.aboutxt[i], Of(w.about.aboutxt[i]));
  add(w.about.aboutxt3, Of(w.about.aboutxt3));
  add(w.about.aboutxt4, Of(w.about.aboutxt4));

  const CommonValue& c = w.common;
  value("DB1Loaded", Flag(c.DB1Loaded));
  value("DB2Loaded", Flag(c.DB2Loaded));
  value("CommonReady", Flag(c.CommonReady));
  value("Only1Ready", Flag(c.Only1Ready));
  value("Only2Ready", Flag(c.Only2Ready));
  value("DB1Count", std::to_string(c.DB1Count.Value()));
  value("DB2Count", std::to_string(c.DB2Count.Value()));
  value("CommonCount", std::to_string(c.CommonCount.Value()));
  value("Only1Count", std::to_string(c.Only1Count.Value()));
  value("Only2Count", std::to_string(c.Only2Count.Value()));
  value("DB1Path", Quoted(c.DB1Path));
  value("DB2Path", Quoted(c.DB2Path));
  value("DB1Dir", Quoted(c.DB1Dir));
  value("DB2Dir", Quoted(c.DB2Dir));
  value("T1Low", Quoted(c.T1Low));
  value("T1High", Quoted(c.T1High));
  value("T1Mid", Quoted(c.T1Mid));
  value("T2Low", Quoted(c.T2Low));
  value("T2High", Quoted(c.T2High));
  value("T2Mid", Quoted(c.T2Mid));
  value("NewLine", Quoted(c.NewLine));
  char r_gas[32];
  std::snprintf(r_gas, sizeof r_gas, "%.9g", static_cast<double>(c.RGas));
  value("RGas", r_gas);
  return state;
}

}  // namespace tabulon::transcript
