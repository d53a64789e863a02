#include "compare/comp_report.h"

#include "app/model/vivuve_rava.h"
#include "common/failure.h"
#include "common/leading_number.h"
#include "common/number_text.h"
#include "compare/report_file.h"

namespace tabulon {

namespace {

constexpr std::string_view kColumnSeparator = "     |     ";
constexpr std::string_view kTildes = "~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~";
constexpr std::string_view kRule = "*-----------------------------------------*";

std::string CoefficientLabel(int coefficient) {
  return coefficient < 7 ? "a" + std::to_string(coefficient + 1)
                         : "a'" + std::to_string(coefficient - 6);
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
void WriteOneSidedSection(ReportFile& file, VivuveRava& window, std::string_view title, int count,
                          const ListBox& list, const std::string& path) {
  file.WriteLine(SectionHeading(title, count));
  file.WriteLine(kTildes);
  for (int i = 0; i < count; ++i) WriteRecordBlock(file, window.records, path, list.Item(i));
  WriteEmptyLines(file, 2);
  file.WriteLine(kRule);
  WriteEmptyLines(file, 2);
}

// Shows `name` in both detail views and writes what differs between them.
void WriteCommonSpecies(ReportFile& file, VivuveRava& window, const std::string& name) {
  file.WriteLine(name);
  window.LOS1.SelectByName(name);
  window.LOS2.SelectByName(name);
  // A view that refused the species, found no record or could not read all of it has emptied
  // its boxes: the rows then compare those empty texts, and the run goes on.
  for (int j = 0; j < 14; ++j) {
    TextBox& box1 = window.PropTxt[j];
    TextBox& box2 = window.PropTxt[j + 14];
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

void WriteCompReport(VivuveRava& window) {
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
  const int common_count = common.CommonCount;
  for (int i = 0; i < common_count; ++i) WriteCommonSpecies(file, window, window.LOS3.Item(i));
  file.Close();
}

}  // namespace tabulon
