// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/comp_report.h"

#include "common/leading_number.h"
#include "common/number_text.h"

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

std::string DatabaseLine(std::string_view db, std::string_view path, int count) {
  return "DB #" + std::string(db) + ": " + std::string(path) + "\t" + NumberText(count) +
         " Species";
}

std::string SectionHeading(std::string_view title, std::size_t count) {
  return std::string(title) + "   " + NumberText(static_cast<double>(count));
}

void WriteEmptyLines(ReportSink& sink, int lines) {
  for (int i = 0; i < lines; ++i) sink.WriteLine("");
}

// The record block of `name`, whose record in the file is `record`: its four lines, line 1
// upper-cased; nothing when the file holds no such record.
void WriteRecordBlock(ReportSink& sink, const ThermoRecord* record, std::string_view path,
                      const std::string& name) {
  if (record == nullptr) return;
  if (!record->Complete()) {
    throw Failure(FailureKind::FileFailure, "the record of " + name + " in " + std::string(path) +
                                                " ends before its fourth line");
  }
  sink.WriteLine(record->Line1Upper());
  for (int k = 1; k < kLinesPerRecord; ++k) sink.WriteLine(record->Line(k));
}

// The species of one database only: heading, tildes, their records, then the closing rule.
void WriteOneSidedSection(ReportSink& sink, std::string_view title,
                          std::span<const std::string> names, const ThermoFile& file,
                          std::string_view path) {
  sink.WriteLine(SectionHeading(title, names.size()));
  sink.WriteLine(kTildes);
  if (!names.empty() && !file.Readable()) {
    throw Failure(FailureKind::FileFailure,
                  "the database " + std::string(path) + " cannot be read");
  }
  const std::vector<const ThermoRecord*> records = FindRecords(file, names);
  for (std::size_t i = 0; i < names.size(); ++i) {
    WriteRecordBlock(sink, records[i], path, names[i]);
  }
  WriteEmptyLines(sink, 2);
  sink.WriteLine(kRule);
  WriteEmptyLines(sink, 2);
}

// Whether two shown records give the same fourteen box texts, told without making the texts:
// when every field of both reads as a number, equal numbers have equal pictures. False when
// that cannot be told so (the texts are then compared).
bool SameBoxTexts(const ViewedRecord& one, const ViewedRecord& two) {
  if (one.outcome != DetailOutcome::Shown || two.outcome != DetailOutcome::Shown) return false;
  const ThermoRecord& a = *one.record;
  const ThermoRecord& b = *two.record;
  return a.coefficients_read && b.coefficients_read && a.high == b.high && a.low == b.low;
}

// Shows `name` in both views and writes what differs between them. The differing texts are
// padded in the boxes too, where they stand until the next species is shown.
void WriteCommonSpecies(ReportSink& sink, const CompReportInput& input, const std::string& name,
                        const std::array<ViewedRecord, 2>& records,
                        std::array<DetailViewRun, 2>& views, std::vector<RunEvent>& events) {
  sink.WriteLine(name);
  const auto& [one, two] = records;
  views[0].Select(name, one, events);
  views[1].Select(name, two, events);
  const bool hf_compared = input.hf_asked[0] && input.hf_asked[1];
  if (!hf_compared && SameBoxTexts(one, two)) return;
  auto& boxes1 = views[0].View().coefficients;
  auto& boxes2 = views[1].View().coefficients;
  for (std::size_t j = 0; j < kCoefficientsPerRecord; ++j) {
    if (boxes1[j] == boxes2[j]) continue;
    boxes1[j] = CoefficientInRow(boxes1[j]);
    boxes2[j] = CoefficientInRow(boxes2[j]);
    sink.WriteLine(Row(CoefficientLabel(static_cast<int>(j)), boxes1[j], boxes2[j]));
    WriteEmptyLines(sink, 1);
  }
  // A numeric comparison: an empty text and a zero agree.
  if (hf_compared && LeadingNumber(views[0].View().hf) != LeadingNumber(views[1].View().hf)) {
    sink.WriteLine(Row("Ravuva's Heat of Formation", views[0].View().hf, views[1].View().hf));
    WriteEmptyLines(sink, 1);
  }
}

}  // namespace

std::string CoefficientInRow(std::string_view text) {
  if (LeadingNumber(text) > 0) return " " + std::string(text);
  return std::string(text);
}

ReportRunResult RunCompReport(const CompReportInput& input, ReportSink& sink) {
  std::array<DetailViewRun, 2> views = {
      DetailViewRun(Db::One, input.hf_asked[0], input.r_gas, input.fields[0]),
      DetailViewRun(Db::Two, input.hf_asked[1], input.r_gas, input.fields[1])};
  return RunReport(views, [&](ReportRunResult& result) {
    sink.WriteLine(DatabaseLine("1", input.db1_path, input.db1_count));
    sink.WriteLine(DatabaseLine("2", input.db2_path, input.db2_count));
    WriteEmptyLines(sink, 1);
    WriteOneSidedSection(sink, "List of species in DB # 1 but not in DB # 2", input.only1,
                         *input.db1, input.db1_path);
    WriteOneSidedSection(sink, "List of species in DB # 2 but not in DB # 1", input.only2,
                         *input.db2, input.db2_path);
    sink.WriteLine(SectionHeading("List of common species", input.common.size()));
    sink.WriteLine(kTildes);
    sink.WriteLine("Reminder: Cp(High T)=a1+a2*T+a3*T^2+a4*T^3+a5*T^4");
    sink.WriteLine("Reminder: Cp(Low T)=a'1+a'2*T+a'3*T^2+a'4*T^3+a'5*T^4");
    sink.WriteLine("Coef // Mech1         | Mech2    ");
    const std::vector<std::array<ViewedRecord, 2>> records =
        ViewedRecordPairs(*input.db1, *input.db2, input.common);
    for (std::size_t i = 0; i < records.size(); ++i) {
      WriteCommonSpecies(sink, input, input.common[i], records[i], views, result.events);
    }
  });
}

}  // namespace tabulon
