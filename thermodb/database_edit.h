// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "thermodb/coefficient_set.h"
#include "thermodb/thermo_file.h"

namespace tabulon {

// What a record of a new database must read as once written: the record it was copied from
// (name, limits and, for a record whose four lines are its own, the coefficient texts), or for
// a rewritten record its line 1 with the new coefficients.
struct WrittenRecord {
  const ThermoRecord* as_read = nullptr;
  bool whole = false;
  std::optional<std::pair<CoefficientSet, CoefficientSet>> rewritten;  // high, low
};

struct DatabaseOutput {
  std::string bytes;
  std::vector<WrittenRecord> records;  // in the order the reader will find them
};

// A new database file made from a loaded one by splicing. Every line that is not part of a
// changed, removed or added record is copied as it stands, with its own line end (LF, CR LF or
// CR): preamble, header and default lines, comments and blank lines between records, the END
// line and whatever follows it. An unchanged record is copied byte for byte, the comment lines
// among its lines included; with no change the output is the source's bytes.
//
// Records are named by their index in source.Records() (and from.Records()); each record gets at
// most one change, a later one replacing an earlier. The source and every `from` file must
// outlive the edit and its output. A comment is written as one line "! COMMENT" before the
// record, with the line end of the record's line 1 (line ends inside it become blanks).
class DatabaseEdit {
 public:
  explicit DatabaseEdit(const ThermoFile& source);

  // Line 1 kept as it stands, the comment lines among its lines kept, lines 2 to 4 replaced by
  // `lines` (without line ends), which read as `high` and `low`. False, and nothing changes,
  // when the record's four lines are not all its own.
  bool Rewrite(std::size_t record, std::array<std::string, 3> lines, const CoefficientSet& high,
               const CoefficientSet& low, std::string comment);
  // The record's lines replaced by those of record `from_record` of `from`, as they stand.
  void Replace(std::size_t record, const ThermoFile& from, std::size_t from_record,
               std::string comment);
  // The record's lines left out.
  void Remove(std::size_t record);
  // Record `from_record` of `from` added, as it stands, right before the END line, after the
  // records added before it.
  void AddBeforeEnd(const ThermoFile& from, std::size_t from_record, std::string comment);

  DatabaseOutput Build() const;

 private:
  struct Change {
    enum class Kind { Rewrite, Replace, Remove } kind = Kind::Remove;
    std::array<std::string, 3> lines;
    std::pair<CoefficientSet, CoefficientSet> sets{};
    const ThermoFile* from = nullptr;
    std::size_t from_record = 0;
    std::string comment;
  };
  struct Addition {
    const ThermoFile* from;
    std::size_t from_record;
    std::string comment;
  };

  const ThermoFile& source_;
  std::map<std::size_t, Change> changes_;  // by record index
  std::vector<Addition> additions_;
};

}  // namespace tabulon
