// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/thermo_file.h"

#include <algorithm>
#include <deque>
#include <mutex>
#include <unordered_map>

#include "common/ascii_text.h"
#include "thermodb/thermo_format.h"

namespace tabulon {
namespace {

// Words are kept as they stand in the bytes (no copy); they compare as RecordWord would make
// them, upper-cased a-z only.
std::string_view RawWord(std::string_view line) {
  const std::size_t blank = line.find(' ');
  return blank == std::string_view::npos ? std::string_view() : line.substr(0, blank);
}

struct UpperHash {
  std::size_t operator()(std::string_view word) const {
    std::size_t hash = 1469598103934665603ull;  // FNV-1a
    for (char c : word) {
      hash ^= static_cast<unsigned char>(UpperAscii(c));
      hash *= 1099511628211ull;
    }
    return hash;
  }
};

struct UpperEqual {
  bool operator()(std::string_view a, std::string_view b) const {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
             return UpperAscii(x) == UpperAscii(y);
           });
  }
};

bool HoldsLowerCase(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

}  // namespace

struct ThermoFile::LookupIndex {
  std::mutex mutex;
  bool built = false;
  std::unordered_map<std::string_view, std::uint32_t, UpperHash, UpperEqual> first_line_of;
  // Records found by a lookup on a line the scan did not take (preamble, after the end line, a
  // line the scan skips), parsed when first asked for; a deque keeps them in place.
  std::deque<ThermoRecord> extra;
  std::unordered_map<std::uint32_t, const ThermoRecord*> extra_at;
};

ThermoFile::ThermoFile() : lookup_(std::make_unique<LookupIndex>()) {}
ThermoFile::~ThermoFile() = default;
ThermoFile::ThermoFile(ThermoFile&&) noexcept = default;
ThermoFile& ThermoFile::operator=(ThermoFile&&) noexcept = default;

ThermoFile ThermoFile::Read(const std::string& path) {
  return Of(FileSnapshot::Take(path));
}

ThermoFile ThermoFile::Of(FileSnapshot snapshot) {
  ThermoFile file;
  file.snapshot_ = std::move(snapshot);
  if (!file.snapshot_.Readable()) {
    // The same words as the name scan, which reports these two failures the same way.
    file.outcome_ =
        file.snapshot_.Opened()
            ? ScanResult{ScanEnd::CannotRead, CannotReadProblem(file.snapshot_.ErrorText())}
            : ScanResult{ScanEnd::CannotOpen, CannotOpenProblem(file.snapshot_.ErrorText())};
    return file;
  }
  file.lines_ = SplitLines(file.snapshot_.Bytes());
  file.Scan();
  return file;
}

void ThermoFile::Scan() {
  const std::string_view bytes = snapshot_.Bytes();
  std::size_t i = 0;
  while (i < lines_.size() && !IsHeaderLine(lines_[i].In(bytes))) ++i;
  if (i == lines_.size()) {
    outcome_ = {ScanEnd::NoHeader, NoHeaderProblem()};
    return;
  }
  for (++i; i < lines_.size(); ++i) {
    switch (ClassifyBodyLine(lines_[i].In(bytes))) {
      case BodyLineKind::End:
        outcome_ = {};
        return;
      case BodyLineKind::Species:
        records_.push_back(RecordAt(i));
        break;
      case BodyLineKind::Filler:
      case BodyLineKind::Other:
        break;
    }
  }
  outcome_ = {ScanEnd::NoEndLine, NoEndLineProblem(lines_.size())};
}

ThermoRecord ThermoFile::RecordAt(std::size_t index) const {
  const std::string_view bytes = snapshot_.Bytes();
  std::array<std::string, kLinesPerRecord> lines;
  lines[0] = std::string(lines_[index].In(bytes));
  int count = 1;
  for (std::size_t next = index + 1; count < kLinesPerRecord && next < lines_.size(); ++next) {
    const std::string_view line = lines_[next].In(bytes);
    if (IsCommentLine(line)) continue;
    lines[static_cast<std::size_t>(count++)] = std::string(line);
  }
  return ParseThermoRecord(std::move(lines), count, static_cast<int>(index) + 1);
}

std::vector<std::string> ThermoFile::Names() const {
  std::vector<std::string> names;
  names.reserve(records_.size());
  for (const ThermoRecord& record : records_) names.push_back(record.name);
  return names;
}

const ThermoRecord* ThermoFile::Find(std::string_view name) const {
  if (name.empty() || HoldsLowerCase(name) || !snapshot_.Readable()) return nullptr;
  LookupIndex& lookup = *lookup_;
  std::lock_guard lock(lookup.mutex);
  if (!lookup.built) {
    const std::string_view bytes = snapshot_.Bytes();
    lookup.first_line_of.reserve(lines_.size());
    for (std::uint32_t i = 0; i < lines_.size(); ++i) {
      const std::string_view word = RawWord(lines_[i].In(bytes));
      if (!word.empty()) lookup.first_line_of.try_emplace(word, i);
    }
    lookup.built = true;
  }
  const auto hit = lookup.first_line_of.find(name);
  if (hit == lookup.first_line_of.end()) return nullptr;
  const int line_number = static_cast<int>(hit->second) + 1;

  const auto scanned = std::lower_bound(
      records_.begin(), records_.end(), line_number,
      [](const ThermoRecord& record, int number) { return record.line_number < number; });
  if (scanned != records_.end() && scanned->line_number == line_number) return &*scanned;

  const auto known = lookup.extra_at.find(hit->second);
  if (known != lookup.extra_at.end()) return known->second;
  const ThermoRecord& added = lookup.extra.emplace_back(RecordAt(hit->second));
  lookup.extra_at.emplace(hit->second, &added);
  return &added;
}

}  // namespace tabulon
