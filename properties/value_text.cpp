#include "properties/value_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "common/failure.h"
#include "common/number_text.h"

namespace tabulon {

std::string ValueText(double x) {
  char picture[32];
  std::snprintf(picture, sizeof picture, "%.3E", x);
  const double rounded = std::strtod(picture, nullptr);
  if (!std::isfinite(rounded)) {
    throw Failure(FailureKind::Overflow, "rounded value beyond the double range");
  }
  return NumberText(rounded);
}

}  // namespace tabulon
