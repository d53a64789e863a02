// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/property_report.h"

#include <vector>

#include "common/leading_number.h"
#include "common/number_text.h"
#include "compare/ratio_text.h"

namespace tabulon {

namespace {

constexpr int kTemperatureLineTabs = 9;

// The species line: the name, then Cp, H and S of both databases, each pair with its ratio,
// written into `line` (whose room is kept from species to species). Throws when a ratio cannot
// be made.
void MakeSpeciesLine(std::string& line, const std::string& name,
                     const std::array<DetailViewRun, 2>& views) {
  line = name;
  for (Property property : {Property::Cp, Property::H, Property::S}) {
    const std::string& one = views[0].Result(property);
    const std::string& two = views[1].Result(property);
    const std::string ratio = RatioText(one, two);
    for (const std::string* text : {&one, &two, &ratio}) {
      line += '\t';
      line += *text;
    }
  }
}

// Shows the species in both views and sets both Cp fields to `text`: what the window tells
// comes in its order, both selections first, then both fields.
void ShowAtTemperature(std::array<DetailViewRun, 2>& views, std::string_view name,
                       const std::array<ViewedRecord, 2>& records, std::string_view text,
                       std::vector<RunEvent>& events) {
  std::array<bool, 2> plain{};
  for (std::size_t side = 0; side < 2; ++side) {
    plain[side] = views[side].SelectAtTemperaturePlain(name, records[side], text);
  }
  for (std::size_t side = 0; side < 2; ++side) {
    if (!plain[side]) views[side].Select(name, records[side], events);
  }
  for (std::size_t side = 0; side < 2; ++side) {
    if (!plain[side]) views[side].SetCpField(text, events);
  }
}

}  // namespace

std::string TemperatureFieldText(double t) {
  std::string text = NumberText(t);
  if (text.starts_with(' ')) text.erase(0, 1);
  return text;
}

ReportRunResult RunPropertyReport(const PropertyReportInput& input, ReportSink& sink) {
  std::array<DetailViewRun, 2> views = {
      DetailViewRun(Db::One, input.hf_asked[0], input.r_gas, input.fields[0]),
      DetailViewRun(Db::Two, input.hf_asked[1], input.r_gas, input.fields[1])};
  // Each species' records, looked up once for the three blocks.
  std::vector<std::array<ViewedRecord, 2>> records;
  records.reserve(input.common.size());
  for (const std::string& name : input.common) {
    records.push_back(
        {ViewedRecord::Of(input.db1->Find(name)), ViewedRecord::Of(input.db2->Find(name))});
  }
  return RunReport(views, [&](ReportRunResult& result) {
    for (std::size_t block = 0; block < input.temperatures.size(); ++block) {
      // Two lines of one blank between blocks; each temperature is read as its block begins.
      if (block > 0) {
        sink.WriteLine(" ");
        sink.WriteLine(" ");
      }
      const double t = LeadingNumber(input.temperatures[block]);
      if (block == 0) {
        sink.WriteLine("DB #1: " + std::string(input.db1_path));
        sink.WriteLine("DB #2: " + std::string(input.db2_path));
        sink.WriteLine("Cp (cal/mol/K), S (cal/mol/K), H (kcal/mol)");
        sink.WriteLine("");
      }
      sink.WriteLine("T (K) = " + NumberText(t) + std::string(kTemperatureLineTabs, '\t'));
      sink.WriteLine("Species\tCp1\tCp2\tCp1/Cp2\tH1\tH2\tH1/H2\tS1\tS2\tS1/S2");
      const std::string field_text = TemperatureFieldText(t);
      std::string line;
      for (std::size_t i = 0; i < input.common.size(); ++i) {
        const std::string& name = input.common[i];
        ShowAtTemperature(views, name, records[i], field_text, result.events);
        try {
          MakeSpeciesLine(line, name, views);
        } catch (const Failure& failure) {
          result.failure = failure;
          result.stopped_at = ReportRunResult::StoppedAt{name, field_text};
          break;
        }
        sink.WriteLine(line);
      }
      if (result.stopped_at) break;
    }
  });
}

}  // namespace tabulon
