#include "properties/temperature_field.h"

namespace tabulon {

void RecomputeProperty(VivuveRava& window, Db db, Property property) {
  (void)window;
  (void)db;
  (void)property;  // built next
}

}  // namespace tabulon
