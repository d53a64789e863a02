// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/record_finder.h"

#include "common/ascii_text.h"
#include "thermodb/default_line.h"
#include "thermodb/thermo_format.h"

namespace tabulon {

namespace {
// A session works on two databases; older indexes are dropped past this many files.
constexpr std::size_t kMaxIndexedFiles = 8;
}  // namespace

RecordFinder::Pin::Pin(RecordFinder& finder, std::initializer_list<std::string> paths)
    : finder_(finder) {
  for (const std::string& path : paths) {
    if (!finder_.pinned_.contains(path)) {
      finder_.pinned_.emplace(path, std::make_unique<ThermoText>(FileSnapshot::Take(path)));
    }
  }
}

RecordFinder::Pin::~Pin() {
  finder_.pinned_.clear();
}

void RecordFinder::Adopt(const ThermoText& text, const std::vector<std::string>& names) {
  const FileSnapshot& read = text.Snapshot();
  if (!read.Readable() || read.Path().empty()) return;
  indexes_.erase(read.Path());
  if (indexes_.size() >= kMaxIndexedFiles) indexes_.clear();
  FileIndex index{read.Stamp(), true, text.DefaultMid(), {}};
  // Positions for the listed names only, each at the first line of the whole file that
  // carries it, as the search from the top finds it.
  for (const std::string& name : names) {
    if (!name.empty()) index.first_line_of.try_emplace(name, LinePosition{});
  }
  std::unordered_map<std::string, LinePosition, WordHash, std::equal_to<>> found;
  const std::string_view bytes = read.Bytes();
  for (std::size_t i = 0; i < text.LineCount() && found.size() < index.first_line_of.size(); ++i) {
    const std::string_view line = text.Line(i);
    const std::string word = RecordWord(line);
    if (!word.empty() && index.first_line_of.contains(word)) {
      found.try_emplace(word, LinePosition{static_cast<std::uint64_t>(line.data() - bytes.data()),
                                           static_cast<int>(i) + 1});
    }
  }
  index.first_line_of = std::move(found);
  indexes_.emplace(read.Path(), std::move(index));
}

const ThermoText* RecordFinder::Pinned(const std::string& path) const {
  const auto pinned = pinned_.find(path);
  return pinned == pinned_.end() ? nullptr : pinned->second.get();
}

LookupResult RecordFinder::Find(const std::string& path, std::string_view name) {
  if (const ThermoText* pinned = Pinned(path)) return pinned->Find(name);
  LineReader reader;
  if (!reader.Open(path)) {
    indexes_.erase(path);
    return {LookupStatus::CannotOpen, {}};
  }
  if (name.empty()) return {LookupStatus::NotFound, {}};

  auto known = indexes_.find(path);
  const FileIndex* index = nullptr;
  bool fresh = false;
  if (known != indexes_.end() && known->second.stamp == reader.Stamp()) {
    index = &known->second;
  } else {
    index = BuildIndex(path, reader);
    if (index == nullptr) return {LookupStatus::CannotOpen, {}};
    fresh = true;
  }

  for (int attempt = 0; attempt < 2; ++attempt) {
    auto hit = index->first_line_of.find(name);
    if (hit == index->first_line_of.end()) {
      if (index->partial) return FindSpeciesRecord(path, name);
      return {LookupStatus::NotFound, {}};
    }
    LookupResult result = ReadAt(reader, hit->second, name);
    result.file_default_mid = index->default_mid;
    if (result.status != LookupStatus::NotFound) return result;
    // The file changed under an unchanged stamp: index it anew once, then trust the full
    // search from the top.
    if (fresh || !reader.SeekTo(0)) break;
    index = BuildIndex(path, reader);
    if (index == nullptr) return {LookupStatus::CannotOpen, {}};
    fresh = true;
  }
  return FindSpeciesRecord(path, name);
}

const RecordFinder::FileIndex* RecordFinder::BuildIndex(const std::string& path,
                                                        LineReader& reader) {
  indexes_.erase(path);
  if (indexes_.size() >= kMaxIndexedFiles) indexes_.clear();
  FileIndex index{reader.Stamp(), false, {}, {}};
  DefaultLineSearch search;
  std::string line;
  for (int number = 1; reader.Next(line); ++number) {
    if (!search.Ended()) search.Take(line);
    std::string word = RecordWord(line);
    if (!word.empty()) {
      index.first_line_of.try_emplace(std::move(word), LinePosition{reader.LineStart(), number});
    }
  }
  if (reader.Failed()) return nullptr;
  index.default_mid = search.Default();
  return &indexes_.emplace(path, std::move(index)).first->second;
}

LookupResult RecordFinder::ReadAt(LineReader& reader, LinePosition at, std::string_view name) {
  std::string line;
  if (!reader.SeekTo(at.offset) || !reader.Next(line) || RecordWord(line) != name) {
    return {reader.Failed() ? LookupStatus::CannotOpen : LookupStatus::NotFound, {}};
  }
  LookupResult result = ReadRecordAfterLine1(reader, UpperAscii(line));
  result.line_number = at.number;
  return result;
}

}  // namespace tabulon
