// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/thermo_file.h"

#include <algorithm>
#include <deque>
#include <mutex>
#include <unordered_map>

#include "thermodb/huge_pages.h"
#include "thermodb/name_index.h"
#include "thermodb/thermo_format.h"

namespace tabulon {
namespace {

bool HoldsLowerCase(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

}  // namespace

struct ThermoFile::NameLookup {
  std::once_flag built;
  std::optional<NameIndex> index;
};

// Records found by a lookup on a line the scan did not take (preamble, after the end line, a
// line the scan skips), parsed when first asked for; a deque keeps them in place.
struct ThermoFile::ExtraRecords {
  std::mutex mutex;
  std::deque<ThermoRecord> records;
  std::unordered_map<std::size_t, const ThermoRecord*> at_line;
};

ThermoFile::ThermoFile()
    : names_(std::make_unique<NameLookup>()), extra_(std::make_unique<ExtraRecords>()) {}
ThermoFile::~ThermoFile() = default;
ThermoFile::ThermoFile(ThermoFile&&) noexcept = default;
ThermoFile& ThermoFile::operator=(ThermoFile&&) noexcept = default;

ThermoFile ThermoFile::Read(const std::string& path) {
  return Of(FileSnapshot::Take(path));
}

ScanResult ScanSpeciesLines(const ThermoText& text,
                            const std::function<void(std::size_t index)>& on_species_line) {
  const FileSnapshot& read = text.Snapshot();
  if (!read.Readable()) {
    // The same words as the name scan, which reports these two failures the same way.
    return read.Opened() ? ScanResult{ScanEnd::CannotRead, CannotReadProblem(read.ErrorText())}
                         : ScanResult{ScanEnd::CannotOpen, CannotOpenProblem(read.ErrorText())};
  }
  const std::size_t count = text.LineCount();
  std::size_t i = 0;
  while (i < count && !IsHeaderLine(text.Line(i))) ++i;
  if (i == count) return {ScanEnd::NoHeader, NoHeaderProblem()};
  for (++i; i < count; ++i) {
    switch (ClassifyBodyLine(text.Line(i))) {
      case BodyLineKind::End:
        return {};
      case BodyLineKind::Species:
        on_species_line(i);
        break;
      case BodyLineKind::Filler:
      case BodyLineKind::Other:
        break;
    }
  }
  return {ScanEnd::NoEndLine, NoEndLineProblem(count)};
}

ThermoFile ThermoFile::Of(FileSnapshot snapshot) {
  ThermoFile file;
  file.text_ = ThermoText(std::move(snapshot));
  // The species lines first, so that the records take exactly the room they need.
  std::vector<std::uint32_t>& species_lines = file.species_lines_;
  file.outcome_ = ScanSpeciesLines(file.text_, [&species_lines](std::size_t index) {
    species_lines.push_back(static_cast<std::uint32_t>(index));
  });
  species_lines.shrink_to_fit();
  file.records_.reserve(species_lines.size());
  AdviseHugePages(file.records_.data(), file.records_.capacity() * sizeof(ThermoRecord));
  for (std::uint32_t index : species_lines) file.records_.push_back(file.RecordAt(index));
  return file;
}

ThermoRecord ThermoFile::RecordAt(std::size_t index) const {
  std::array<LineSpan, kLinesPerRecord> lines;
  const int count = text_.RecordLinesAt(index, lines);
  return ParseThermoRecord(text_.Snapshot().SharedBytes(), lines, count,
                           static_cast<int>(index) + 1, text_.DefaultMid());
}

std::vector<std::string> ThermoFile::Names() const {
  std::vector<std::string> names;
  names.reserve(records_.size());
  for (const ThermoRecord& record : records_) names.push_back(record.name);
  return names;
}

void ThermoFile::BuildNameIndex() const {
  std::call_once(names_->built, [this] { names_->index.emplace(text_, species_lines_); });
}

std::vector<const ThermoRecord*> ThermoFile::FindAll(std::span<const std::string> names) const {
  std::vector<const ThermoRecord*> found(names.size());
  if (!Readable()) return found;
  BuildNameIndex();
  const NameIndex& index = *names_->index;
  // In groups: first every slot is asked for, then every record, then each name is looked up
  // with its memory already at hand or on its way.
  constexpr std::size_t kGroup = 32;
  for (std::size_t first = 0; first < names.size(); first += kGroup) {
    const std::span<const std::string> group =
        names.subspan(first, std::min(kGroup, names.size() - first));
    for (const std::string& name : group) index.PrefetchSlot(name);
    for (const std::string& name : group) index.PrefetchRecord(name, records_);
    for (std::size_t k = 0; k < group.size(); ++k) found[first + k] = Find(group[k]);
  }
  return found;
}

const ThermoRecord* ThermoFile::Find(std::string_view name) const {
  // A first word, upper-cased, is never empty and holds no blank and no a-z.
  if (!Readable() || name.empty() || name.find(' ') != std::string_view::npos ||
      HoldsLowerCase(name)) {
    return nullptr;
  }
  BuildNameIndex();
  const std::optional<NameIndex::Entry> found = names_->index->Find(name, text_, records_);
  if (!found) return nullptr;
  if (found->scanned) return &records_[found->index];

  const std::size_t index = found->index;
  std::lock_guard lock(extra_->mutex);
  const auto known = extra_->at_line.find(index);
  if (known != extra_->at_line.end()) return known->second;
  const ThermoRecord& added = extra_->records.emplace_back(RecordAt(index));
  extra_->at_line.emplace(index, &added);
  return &added;
}

}  // namespace tabulon
