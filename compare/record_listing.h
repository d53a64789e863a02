// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

#include "thermodb/thermo_record.h"

namespace tabulon {

// Every field of a record as `tabulon-batch records` lists it, as texts.
struct RecordRow {
  std::string line;     // file line of record line 1
  std::string name;     // upper-cased
  std::string note;     // columns 19-24 as written, blanks around removed
  std::string formula;  // "C1H4": the pairs in the order written
  std::string phase;    // the phase letter, upper-cased; empty when blank
  std::string mw;       // g/mol, the shortest text that reads back to it; empty when unknown
  std::string t_low, t_mid, t_high;  // the limits read, shortest texts
  std::string common_from;           // "line", or "default" when the file's default was taken
};
RecordRow RowOf(const ThermoRecord& record);

// Header "line,name,note,formula,phase,mw,t_low,t_mid,t_high,common_from", then one row per
// record in the order given; fields quoted as CSV needs.
void WriteRecordsCsv(std::ostream& out, std::span<const ThermoRecord> records);

// The same rows as a table for people: a header line, then each column as wide as its widest
// text, numbers aligned to the right, columns two blanks apart.
void WriteRecordsTable(std::ostream& out, std::span<const ThermoRecord> records);

}  // namespace tabulon
