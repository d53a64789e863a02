#include "compare/compare_databases.h"

namespace tabulon {

void CompareDatabases(VivuveRava& window) { (void)window; /* built next */ }

}  // namespace tabulon
