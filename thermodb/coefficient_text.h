// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tabulon {

// What a coefficient field holds once its blanks are removed.
enum class FieldKind : std::uint8_t {
  Empty,   // nothing: the box shows the empty text
  Number,  // wholly a number (optional sign, digits with at most one period, optional exponent
           // E, e, D or d with digits) within the double range: the box shows its picture
  Text,    // anything else, a number beyond the double range included: shown unchanged
};

// A coefficient field read once.
struct FieldReading {
  FieldKind kind = FieldKind::Empty;
  // The number the box's text reads as (LeadingNumber of it): for a Number, the value of its
  // nine-digit picture (the field's own value when it has at most nine significant digits); for
  // a Text, its leading number ("abc" is 0), or NaN when that is beyond the double range; 0 when
  // Empty. A negative zero reads as zero.
  double box_value = 0;
  // The field's own value, for a Number.
  std::optional<double> stated;
};

// Reads the columns of one field (at most 15 characters; every blank in them is removed).
FieldReading ReadCoefficientField(std::string_view columns);

// The value of a field's 15 columns when they hold the picture nearly every file writes (C's
// "%15.8E"): a blank or a sign, a digit, the period, eight digits, an exponent letter (E, e, D
// or d), a sign and two digits, the value being the nine digits times a power of ten from
// 1e-22 to 1e22 ("-1.70675181E-14", " 5.40163253D+00"). Exactly StrictNumber's value (sign of
// zero included), read without a general conversion; none for any other columns, which then
// take the general reading. With nine digits such a value is its own picture's value.
std::optional<double> PictureFieldNumber(std::string_view columns);

// The picture "0.00000000E+00" of a number, as C's "%.8E" writes it but whatever the locale;
// negative zero as 0.00000000E+00.
std::string CoefficientPicture(double value);

// The text of a coefficient field (blanks removed, as CoefficientField of thermodb/ cuts it)
// as the coefficient boxes show it: its picture when it is a Number ("1.23456789D-05" shows as
// "1.23456789E-05"); the empty text when Empty; the field unchanged otherwise.
std::string CoefficientText(std::string_view field);

}  // namespace tabulon
