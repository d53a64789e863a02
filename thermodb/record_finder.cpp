#include "thermodb/record_finder.h"

namespace tabulon {

LookupResult RecordFinder::Find(const std::string& path, std::string_view name) {
  return FindSpeciesRecord(path, name);  // the index is built next
}

}  // namespace tabulon
