#include "thermodb/record_lookup.h"

namespace tabulon {

LookupResult FindSpeciesRecord(const std::string& path, std::string_view name) {
  (void)path;
  (void)name;
  return {};  // built next
}

}  // namespace tabulon
