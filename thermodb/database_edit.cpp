// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/database_edit.h"

#include <algorithm>

#include "thermodb/record_extent.h"
#include "thermodb/thermo_format.h"

namespace tabulon {
namespace {

// Where lines lie in a file's bytes, line ends included.
class LineBytes {
 public:
  explicit LineBytes(const ThermoText& text) : text_(text), bytes_(text.Snapshot().Bytes()) {}

  std::size_t Start(std::size_t line) const {
    return static_cast<std::size_t>(text_.Line(line).data() - bytes_.data());
  }
  // Just past the line's line end.
  std::size_t End(std::size_t line) const {
    return line + 1 < text_.LineCount() ? Start(line + 1) : bytes_.size();
  }
  std::string_view Text(std::size_t line) const { return text_.Line(line); }
  std::string_view LineEnd(std::size_t line) const {
    const std::size_t after_text = Start(line) + text_.Line(line).size();
    return bytes_.substr(after_text, End(line) - after_text);
  }
  std::string_view Between(std::size_t from, std::size_t to) const {
    return bytes_.substr(from, to - from);
  }
  std::size_t Size() const { return bytes_.size(); }

 private:
  const ThermoText& text_;
  std::string_view bytes_;
};

// The scan's END line: the first end line after the header line (the file loaded, so there is
// one); the file's line count when there is none.
std::size_t EndLineIndex(const ThermoText& text) {
  std::size_t i = 0;
  while (i < text.LineCount() && !IsHeaderLine(text.Line(i))) ++i;
  for (++i; i < text.LineCount(); ++i) {
    if (ClassifyBodyLine(text.Line(i)) == BodyLineKind::End) return i;
  }
  return text.LineCount();
}

void AppendComment(std::string& out, const std::string& comment, std::string_view line_end) {
  out += "! ";
  for (char c : comment) out += (c == '\r' || c == '\n') ? ' ' : c;
  out += line_end;
}

const ThermoRecord& RecordOf(const ThermoFile& file, std::size_t index) {
  return file.Records()[index];
}

std::size_t LineIndexOf(const ThermoRecord& record) {
  return static_cast<std::size_t>(record.line_number - 1);
}

// The lines of record `index` of `from`, each followed by `line_end`, the last by `last_end`.
void AppendRecordLines(std::string& out, const ThermoFile& from, std::size_t index,
                       std::string_view line_end, std::string_view last_end) {
  const RecordExtent extent = ExtentOf(from.Text(), LineIndexOf(RecordOf(from, index)));
  for (std::size_t i = extent.first; i <= extent.last; ++i) {
    out += from.Text().Line(i);
    out += i == extent.last ? last_end : line_end;
  }
}

}  // namespace

DatabaseEdit::DatabaseEdit(const ThermoFile& source) : source_(source) {}

bool DatabaseEdit::Rewrite(std::size_t record, std::array<std::string, 3> lines,
                           const CoefficientSet& high, const CoefficientSet& low,
                           std::string comment) {
  const RecordExtent extent = ExtentOf(source_.Text(), LineIndexOf(RecordOf(source_, record)));
  if (extent.own_lines != kLinesPerRecord) return false;
  Change& change = changes_[record] = Change{};
  change.kind = Change::Kind::Rewrite;
  change.lines = std::move(lines);
  change.sets = {high, low};
  change.comment = std::move(comment);
  return true;
}

void DatabaseEdit::Replace(std::size_t record, const ThermoFile& from, std::size_t from_record,
                           std::string comment) {
  Change& change = changes_[record] = Change{};
  change.kind = Change::Kind::Replace;
  change.from = &from;
  change.from_record = from_record;
  change.comment = std::move(comment);
}

void DatabaseEdit::Remove(std::size_t record) {
  changes_[record] = Change{};
}

void DatabaseEdit::AddBeforeEnd(const ThermoFile& from, std::size_t from_record,
                                std::string comment) {
  additions_.push_back({&from, from_record, std::move(comment)});
}

DatabaseOutput DatabaseEdit::Build() const {
  const ThermoText& text = source_.Text();
  const LineBytes lines(text);
  const std::span<const ThermoRecord> records = source_.Records();
  DatabaseOutput output;
  output.bytes.reserve(lines.Size() + 256 * (changes_.size() + additions_.size()));
  output.records.reserve(records.size() + additions_.size());
  std::string& out = output.bytes;

  const auto whole = [](const ThermoFile& file, const ThermoRecord& record) {
    return ExtentOf(file.Text(), LineIndexOf(record)).own_lines == kLinesPerRecord;
  };
  const std::size_t end_line = additions_.empty() ? text.LineCount() : EndLineIndex(text);
  std::size_t copied_to = 0;  // bytes of the source already in the output
  const auto add_before_end = [&] {
    const std::size_t at = end_line < text.LineCount() ? lines.Start(end_line) : lines.Size();
    out += lines.Between(copied_to, at);
    copied_to = at;
    const std::string_view line_end =
        end_line > 0 && end_line - 1 < text.LineCount() ? lines.LineEnd(end_line - 1) : "\n";
    for (const Addition& addition : additions_) {
      AppendComment(out, addition.comment, line_end);
      AppendRecordLines(out, *addition.from, addition.from_record, line_end, line_end);
      const ThermoRecord& record = RecordOf(*addition.from, addition.from_record);
      output.records.push_back({&record, whole(*addition.from, record), std::nullopt});
    }
  };

  auto change = changes_.begin();
  for (std::size_t index = 0; index < records.size(); ++index) {
    const ThermoRecord& record = records[index];
    const std::size_t first = LineIndexOf(record);
    if (change == changes_.end() || change->first != index) {
      output.records.push_back({&record, whole(source_, record), std::nullopt});
      continue;
    }
    const Change& edit = (change++)->second;
    const RecordExtent extent = ExtentOf(text, first);
    out += lines.Between(copied_to, lines.Start(first));
    copied_to = lines.End(extent.last);
    switch (edit.kind) {
      case Change::Kind::Remove:
        break;
      case Change::Kind::Rewrite:
        AppendComment(out, edit.comment, lines.LineEnd(first));
        for (std::size_t i = first, k = 0; i <= extent.last; ++i) {
          if (k < edit.lines.size() && i == extent.coefficient_lines[k]) {
            out += edit.lines[k++];
          } else {
            out += lines.Text(i);
          }
          out += lines.LineEnd(i);
        }
        output.records.push_back({&record, true, edit.sets});
        break;
      case Change::Kind::Replace: {
        AppendComment(out, edit.comment, lines.LineEnd(first));
        AppendRecordLines(out, *edit.from, edit.from_record, lines.LineEnd(first),
                          lines.LineEnd(extent.last));
        const ThermoRecord& taken = RecordOf(*edit.from, edit.from_record);
        output.records.push_back({&taken, whole(*edit.from, taken), std::nullopt});
        break;
      }
    }
  }
  // Records all stand before the END line, so additions come after the last change.
  if (!additions_.empty()) add_before_end();
  out += lines.Between(copied_to, lines.Size());
  return output;
}

}  // namespace tabulon
