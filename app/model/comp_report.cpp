// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/comp_report.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "app/model/main_window_model.h"
#include "common/failure.h"
#include "common/leading_number.h"
#include "common/number_text.h"
#include "compare/report_file.h"
#include "properties/species_view.h"
#include "thermodb/thermo_record.h"

namespace tabulon {

namespace {

constexpr std::string_view kColumnSeparator = "     |     ";
constexpr std::string_view kTildes = "~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~";
constexpr std::string_view kRule = "*-----------------------------------------*";

std::string CoefficientLabel(int coefficient) {
  return coefficient < kCoefficientsPerSet
             ? "a" + std::to_string(coefficient + 1)
             : "a'" + std::to_string(coefficient - kCoefficientsPerSet + 1);
}

// "label // text1     |     text2"
std::string Row(std::string_view label, std::string_view text1, std::string_view text2) {
  std::string row(label);
  row += " // ";
  row += text1;
  row += kColumnSeparator;
  row += text2;
  return row;
}

std::string DatabaseLine(std::string_view db, const std::string& path, int count) {
  return "DB #" + std::string(db) + ": " + path + "\t" + NumberText(count) + " Species";
}

std::string SectionHeading(std::string_view title, int count) {
  return std::string(title) + "   " + NumberText(count);
}

void WriteEmptyLines(ReportFile& file, int lines) {
  for (int i = 0; i < lines; ++i) file.WriteLine("");
}

// The record block of `name`; nothing when the file holds no such record. A file that cannot
// be read, or a record that ends before its fourth line, ends the run: the report would
// otherwise look complete without that species' data.
void WriteRecordBlock(ReportFile& file, RecordFinder& records, const std::string& path,
                      const std::string& name) {
  const LookupResult found = records.Find(path, name);
  switch (found.status) {
    case LookupStatus::Found:
      break;
    case LookupStatus::NotFound:
      return;
    case LookupStatus::Incomplete:
      throw ReportFailure(file.Path(),
                          "the record of " + name + " in " + path + " ends before its fourth line");
    case LookupStatus::CannotOpen:
      throw ReportFailure(file.Path(), "the database " + path + " cannot be read");
  }
  file.WriteLine(found.record.line1);
  file.WriteLine(found.record.line2);
  file.WriteLine(found.record.line3);
  file.WriteLine(found.record.line4);
}

// The species of one database only: heading, tildes, their records, then the closing rule.
void WriteOneSidedSection(ReportFile& file, MainWindowModel& window, std::string_view title,
                          int count, const ListBox& list, const std::string& path) {
  file.WriteLine(SectionHeading(title, count));
  file.WriteLine(kTildes);
  for (int i = 0; i < count; ++i) WriteRecordBlock(file, window.records, path, list.Item(i));
  WriteEmptyLines(file, 2);
  file.WriteLine(kRule);
  WriteEmptyLines(file, 2);
}

// The report's lines for a common species computed from its two records, when its step is
// plain: no view refuses it (a message) and every differing text reads without a failure.
// Empty when it is not. The boxes' texts are those the detail views would show.
std::optional<std::vector<std::string>> PlainLines(MainWindowModel& window,
                                                   const std::string& name) {
  std::array<std::array<std::string, kCoefficientsPerRecord>, 2> texts;
  std::array<std::string, 2> hf;
  for (int side = 0; side < 2; ++side) {
    const std::string& path = side == 0 ? window.common.DB1Path : window.common.DB2Path;
    const SpeciesView view = ViewOf(window.records.Find(path, name));
    if (view.outcome == DetailOutcome::Refused) return std::nullopt;
    if (view.outcome != DetailOutcome::Shown) continue;  // its boxes stay empty
    for (int k = 0; k < kCoefficientsPerRecord; ++k) {
      texts[static_cast<std::size_t>(side)][static_cast<std::size_t>(k)] =
          view.record.CoefficientText(k);
    }
    const CheckBox& check = side == 0 ? window.Ck1 : window.Ck2;
    if (check.Checked()) hf[static_cast<std::size_t>(side)] = view.record.HfText();
  }
  std::vector<std::string> lines{name};
  try {
    for (std::size_t j = 0; j < kCoefficientsPerRecord; ++j) {
      if (texts[0][j] == texts[1][j]) continue;
      lines.push_back(Row(CoefficientLabel(static_cast<int>(j)), CoefficientInRow(texts[0][j]),
                          CoefficientInRow(texts[1][j])));
      lines.emplace_back();
    }
    if (window.Ck1.Checked() && window.Ck2.Checked() &&
        LeadingNumber(hf[0]) != LeadingNumber(hf[1])) {
      lines.push_back(Row("Ravuva's Heat of Formation", hf[0], hf[1]));
      lines.emplace_back();
    }
  } catch (const Failure&) {
    return std::nullopt;
  }
  return lines;
}

// What the common-species loop leaves in the window for `name`: both detail views showing it,
// the differing coefficients padded in their boxes.
void ShowCommonSpecies(MainWindowModel& window, const std::string& name) {
  window.LOS1.SelectByName(name);
  window.LOS2.SelectByName(name);
  for (int j = 0; j < kCoefficientsPerRecord; ++j) {
    TextBox& box1 = window.PropTxt[j];
    TextBox& box2 = window.PropTxt[j + kCoefficientsPerRecord];
    if (box1.Text() == box2.Text()) continue;
    box1.SetText(CoefficientInRow(box1.Text()));
    box2.SetText(CoefficientInRow(box2.Text()));
  }
}

// Shows `name` in both detail views and writes what differs between them.
void WriteCommonSpecies(ReportFile& file, MainWindowModel& window, const std::string& name) {
  file.WriteLine(name);
  window.LOS1.SelectByName(name);
  window.LOS2.SelectByName(name);
  // A view that refused the species, found no record or could not read all of it has emptied
  // its boxes: the rows then compare those empty texts, and the run goes on.
  for (int j = 0; j < kCoefficientsPerRecord; ++j) {
    TextBox& box1 = window.PropTxt[j];
    TextBox& box2 = window.PropTxt[j + kCoefficientsPerRecord];
    if (box1.Text() == box2.Text()) continue;
    // The padded texts also stand in the boxes until the next species is shown.
    box1.SetText(CoefficientInRow(box1.Text()));
    box2.SetText(CoefficientInRow(box2.Text()));
    file.WriteLine(Row(CoefficientLabel(j), box1.Text(), box2.Text()));
    WriteEmptyLines(file, 1);
  }
  if (window.Ck1.Checked() && window.Ck2.Checked()) {
    const std::string& hf1 = window.Ravuvatxt1.Text();
    const std::string& hf2 = window.Ravuvatxt2.Text();
    // A numeric comparison: an empty text and a zero agree.
    if (LeadingNumber(hf1) != LeadingNumber(hf2)) {
      file.WriteLine(Row("Ravuva's Heat of Formation", hf1, hf2));
      WriteEmptyLines(file, 1);
    }
  }
}

}  // namespace

std::string CoefficientInRow(std::string_view text) {
  if (LeadingNumber(text) > 0) return " " + std::string(text);
  return std::string(text);
}

void WriteCompReport(MainWindowModel& window) {
  const CommonValue& common = window.common;
  ReportFile file(common.DB1Dir + "Comp.txt", ReportFile::Mode::Replace,
                  {common.DB1Path, common.DB2Path});
  file.WriteLine(DatabaseLine("1", common.DB1Path, common.DB1Count));
  file.WriteLine(DatabaseLine("2", common.DB2Path, common.DB2Count));
  WriteEmptyLines(file, 1);

  WriteOneSidedSection(file, window, "List of species in DB # 1 but not in DB # 2",
                       common.Only1Count, window.LOS4, common.DB1Path);
  WriteOneSidedSection(file, window, "List of species in DB # 2 but not in DB # 1",
                       common.Only2Count, window.LOS5, common.DB2Path);

  file.WriteLine(SectionHeading("List of common species", common.CommonCount));
  file.WriteLine(kTildes);
  file.WriteLine("Reminder: Cp(High T)=a1+a2*T+a3*T^2+a4*T^3+a5*T^4");
  file.WriteLine("Reminder: Cp(Low T)=a'1+a'2*T+a'3*T^2+a'4*T^3+a'5*T^4");
  file.WriteLine("Coef // Mech1         | Mech2    ");
  // Species whose step is plain are written from their records; the window then catches up
  // with the last of them before any step it takes itself (one that is not plain, the last
  // one, or a failure), so the messages, the lines and the final state are those of the
  // species-by-species run.
  const int common_count = common.CommonCount;
  std::optional<std::string> behind;  // the last species written from its records
  try {
    for (int i = 0; i < common_count; ++i) {
      const std::string name = window.LOS3.Item(i);
      std::optional<std::vector<std::string>> plain;
      if (i != common_count - 1) plain = PlainLines(window, name);
      if (plain) {
        behind = name;
        for (const std::string& line : *plain) file.WriteLine(line);
        continue;
      }
      if (behind) ShowCommonSpecies(window, *std::exchange(behind, std::nullopt));
      WriteCommonSpecies(file, window, name);
    }
    file.Close();
  } catch (...) {
    if (behind) ShowCommonSpecies(window, *behind);
    throw;
  }
}

}  // namespace tabulon
