#include "thermodb/database_loader.h"

#include "app/model/vivuve_rava.h"

namespace tabulon {

void LoadDatabase(VivuveRava& window, Db db) {
  (void)window;
  (void)db;  // built next
}

}  // namespace tabulon
