#pragma once

#include <string>
#include <string_view>

#include "thermodb/record_lookup.h"

namespace tabulon {

// Record lookups with the results of FindSpeciesRecord, made cheap for the reports that look up
// every species of a database: a per-file index of record positions, trusted only while the
// file's size and modification time are unchanged, so every lookup reflects the file as it is
// on disk.
class RecordFinder {
 public:
  LookupResult Find(const std::string& path, std::string_view name);
};

}  // namespace tabulon
