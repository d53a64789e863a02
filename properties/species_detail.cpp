#include "properties/species_detail.h"

namespace tabulon {

void ShowSpeciesDetail(VivuveRava& window, Db db) {
  (void)window;
  (void)db;  // built next
}

}  // namespace tabulon
