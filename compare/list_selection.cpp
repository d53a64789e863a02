#include "compare/list_selection.h"

namespace tabulon {

void SelectCommon(VivuveRava& window) { (void)window; /* built next */ }
void SelectOnly1(VivuveRava& window) { (void)window; /* built next */ }
void SelectOnly2(VivuveRava& window) { (void)window; /* built next */ }

}  // namespace tabulon
