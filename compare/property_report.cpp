// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/property_report.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "common/leading_number.h"
#include "common/number_text.h"
#include "common/parallel_parts.h"
#include "compare/ratio_text.h"

namespace tabulon {

namespace {

constexpr int kTemperatureLineTabs = 9;

// The species lines of a block are worked out this many at a time: enough to keep every thread
// busy, few enough to keep what is held small.
constexpr std::size_t kLinesAtOnce = 2048;

// The species line: the name, then Cp, H and S of both databases, each pair with its ratio,
// written into `line` (whose room is kept from species to species). `result(side, property)`
// gives the result texts. Throws when a ratio cannot be made.
template <typename Results>
void MakeSpeciesLine(std::string& line, const std::string& name, const Results& result) {
  line = name;
  for (Property property : {Property::Cp, Property::H, Property::S}) {
    const std::string& one = result(0, property);
    const std::string& two = result(1, property);
    const std::string ratio = RatioText(one, two);
    for (const std::string* text : {&one, &two, &ratio}) {
      line += '\t';
      line += *text;
    }
  }
}

// A species' step in each view and its line, worked out ahead of the run where a view's step
// is plain (PlainStep): the run then takes them as they stand. Kept from chunk to chunk, so
// that its texts keep their room.
struct PlainLine {
  std::array<bool, 2> plain{};
  std::array<PlainOutcomes, 2> steps;
  bool has_line = false;  // both steps plain and the ratios made
  std::string line;
};

void MakePlainLine(PlainLine& plain, const std::string& name,
                   const std::array<ViewedRecord, 2>& records, std::string_view text, float r_gas) {
  for (std::size_t side = 0; side < 2; ++side) {
    plain.plain[side] =
        records[side].a1_filled && PlainStep(records[side].Species(r_gas), text, plain.steps[side]);
  }
  plain.has_line = false;
  if (!plain.plain[0] || !plain.plain[1]) return;
  // A plain step's result texts are the main ones (it never shows "xxx" or the empty text).
  const auto result = [&plain](std::size_t side, Property property) -> const std::string& {
    return *plain.steps[side][static_cast<std::size_t>(property)].main;
  };
  try {
    MakeSpeciesLine(plain.line, name, result);
    plain.has_line = true;
  } catch (const Failure&) {
    // The run makes the line again from the views, and stops there.
  }
}

// Shows the species in both views and sets both Cp fields to `text`, taking the plain steps
// worked out: what the window tells comes in its order, both selections first, then both
// fields.
void ShowAtTemperature(std::array<DetailViewRun, 2>& views, std::string_view name,
                       const std::array<ViewedRecord, 2>& records, std::string_view text,
                       PlainLine& plain, std::vector<RunEvent>& events) {
  for (std::size_t side = 0; side < 2; ++side) {
    if (plain.plain[side]) views[side].TakePlainStep(name, records[side], text, plain.steps[side]);
  }
  for (std::size_t side = 0; side < 2; ++side) {
    if (!plain.plain[side]) views[side].Select(name, records[side], events);
  }
  for (std::size_t side = 0; side < 2; ++side) {
    if (!plain.plain[side]) views[side].SetCpField(text, events);
  }
}

// The lines before a block's species: two lines of one blank between blocks, the report's
// heading before the first, then the temperature line and the column line. The temperature is
// read here, as its block begins: a text beyond the double range ends the run at this block.
void WriteBlockHeading(ReportSink& sink, const PropertyReportInput& input, std::size_t block) {
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
  const std::vector<std::array<ViewedRecord, 2>> records =
      ViewedRecordPairs(*input.db1, *input.db2, input.common);
  const std::size_t species = records.size();
  const std::size_t blocks = input.temperatures.size();
  // The Cp field's text of each block, worked out ahead so that the lines of a block can be
  // worked out while the block before it is written; none for a temperature that cannot be read,
  // whose block then fails as it begins.
  std::vector<std::optional<std::string>> field_texts(blocks);
  for (std::size_t block = 0; block < blocks; ++block) {
    try {
      field_texts[block] = TemperatureFieldText(LeadingNumber(input.temperatures[block]));
    } catch (const Failure&) {
    }
  }
  const auto view_results = [&views](std::size_t side, Property property) -> const std::string& {
    return views[side].Result(property);
  };

  // The species lines in chunks, block after block: while one chunk is written, the next is
  // worked out on the other threads (`ahead`, into the other buffer).
  std::array<std::vector<PlainLine>, 2> buffers;
  std::optional<PartsInBackground> ahead;
  std::size_t chunks_started = 0;
  const auto work_out = [&](std::size_t block, std::size_t first) {
    std::vector<PlainLine>& buffer = buffers[chunks_started++ % 2];
    buffer.resize(std::min(kLinesAtOnce, species - first));
    ahead.emplace(buffer.size(), [&, lines = buffer.data(), text = &*field_texts[block], first](
                                     std::size_t begin, std::size_t end) {
      for (std::size_t j = begin; j < end; ++j) {
        MakePlainLine(lines[j], input.common[first + j], records[first + j], *text, input.r_gas);
      }
    });
  };
  // The chunk after the one beginning at (block, first), when there is one to work out.
  const auto work_out_next = [&](std::size_t block, std::size_t first) {
    if (first + kLinesAtOnce < species) {
      work_out(block, first + kLinesAtOnce);
    } else if (block + 1 < blocks && species > 0 && field_texts[block + 1]) {
      work_out(block + 1, 0);
    }
  };

  return RunReport(views, [&](ReportRunResult& result) {
    if (species > 0 && field_texts[0]) work_out(0, 0);
    std::string line;
    for (std::size_t block = 0; block < blocks && !result.stopped_at; ++block) {
      WriteBlockHeading(sink, input, block);
      const std::string& field_text = *field_texts[block];
      for (std::size_t first = 0; first < species && !result.stopped_at; first += kLinesAtOnce) {
        ahead->Finish();
        std::vector<PlainLine>& plain = buffers[(chunks_started - 1) % 2];
        work_out_next(block, first);
        for (std::size_t j = 0; j < plain.size(); ++j) {
          const std::size_t i = first + j;
          const std::string& name = input.common[i];
          ShowAtTemperature(views, name, records[i], field_text, plain[j], result.events);
          if (plain[j].has_line) {
            sink.WriteLine(plain[j].line);
            continue;
          }
          try {
            MakeSpeciesLine(line, name, view_results);
          } catch (const Failure& failure) {
            result.failure = failure;
            result.stopped_at = ReportRunResult::StoppedAt{name, field_text};
            break;
          }
          sink.WriteLine(line);
        }
      }
    }
  });
}

}  // namespace tabulon
