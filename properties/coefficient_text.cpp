#include "properties/coefficient_text.h"

#include <cstdio>
#include <optional>

#include "common/leading_number.h"

namespace tabulon {

std::string CoefficientText(std::string_view field) {
  const std::optional<double> value = StrictNumber(field);
  if (!value) return std::string(field);
  char picture[32];
  // Adding 0 turns a negative zero into a positive one.
  std::snprintf(picture, sizeof picture, "%.8E", *value + 0.0);
  return picture;
}

}  // namespace tabulon
