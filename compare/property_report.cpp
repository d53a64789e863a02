#include "compare/property_report.h"

namespace tabulon {

void WritePropertyReport(VivuveRava& window) { (void)window; /* built next */ }

}  // namespace tabulon
