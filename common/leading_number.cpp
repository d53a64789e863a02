// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/leading_number.h"

#include <locale.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/failure.h"

namespace tabulon {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsExponentLetter(char c) {
  return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}
bool IsIgnored(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}

// Scans a decimal number at the start of `s` and writes it in C syntax into `out` (sign,
// mantissa, "e" and exponent). Returns the number of characters of `s` that belong to it;
// 0 when `s` does not start with a number.
std::size_t ScanDecimal(std::string_view s, std::string& out) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) out += s[i++];
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) out += s[i++], ++digits;
  if (i < s.size() && s[i] == '.') {
    out += s[i++];
    while (i < s.size() && IsDigit(s[i])) out += s[i++], ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && IsExponentLetter(s[i])) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      out += 'e';
      out.append(s.substr(i + 1, j - (i + 1)));
      while (j < s.size() && IsDigit(s[j])) out += s[j++];
      i = j;
    }
  }
  return i;
}

// Converts a C-syntax decimal text, correctly rounded; a value beyond the double range is
// reported to the caller as nullopt. Underflow gives the (possibly subnormal or zero) value
// that strtod returns. Neither reading depends on the locale (a Qt application takes the
// user's, where the decimal point may be a comma); from_chars goes first since it is several
// times faster than strtod, and the reports read hundreds of thousands of numbers.
std::optional<double> ConvertDecimal(const std::string& c_text) {
  const char* first = c_text.data();
  const char* last = first + c_text.size();
  if (first != last && *first == '+') ++first;  // from_chars takes no plus sign
  double value = 0;
  if (std::from_chars(first, last, value).ec == std::errc::result_out_of_range) {
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    errno = 0;
    value = strtod_l(c_text.c_str(), nullptr, c_locale);
  }
  if (std::isinf(value)) return std::nullopt;
  return value;
}

// The unsigned integer of hexadecimal (radix 16) or octal (radix 8) digits at the start of
// `digits`, to the nearest double, also past 2^53: the digits are written as one hexadecimal
// text (octal ones through their bits) and converted in a single correctly rounded step.
double RadixNumber(std::string_view digits, int radix) {
  auto digit_value = [radix](char c) {
    int d = 16;
    if (IsDigit(c)) {
      d = c - '0';
    } else if ((c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f')) {
      d = (c | 0x20) - 'a' + 10;
    }
    return d < radix ? d : -1;
  };
  std::size_t count = 0;
  while (count < digits.size() && digit_value(digits[count]) >= 0) ++count;
  digits = digits.substr(0, count);

  std::string hex;
  if (radix == 16) {
    hex = digits;
  } else {
    static constexpr char kHexDigits[] = "0123456789abcdef";
    std::string bits;
    bits.reserve(digits.size() * 3 + 3);
    for (char c : digits) {
      const int d = c - '0';
      bits += static_cast<char>('0' + ((d >> 2) & 1));
      bits += static_cast<char>('0' + ((d >> 1) & 1));
      bits += static_cast<char>('0' + (d & 1));
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    for (std::size_t i = 0; i < bits.size(); i += 4) {
      const int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 +
                         (bits[i + 3] - '0');
      hex += kHexDigits[nibble];
    }
  }
  if (hex.empty()) return 0;
  double value = 0;
  const auto [end, error] =
      std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
  if (error == std::errc::result_out_of_range || std::isinf(value)) {
    throw Failure(FailureKind::Overflow, "number beyond the double range");
  }
  return value;
}

constexpr int kMostExactDigits = 15;  // below 2^53, so the digits' integer is an exact double

// The value of a short number in C syntax as it stands: an optional minus, at most 15 digits
// with at most one period among them, and an optional exponent (e or E, an optional sign and one
// to three digits), whose value is its digits times a power of ten from 1e-22 to 1e22 ("200.000",
// "-1.5E+03"), read by ExactDecimal. None for any other text.
std::optional<double> ShortDecimal(std::string_view text) {
  std::size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
  std::uint64_t digits = 0;
  int digit_count = 0, after_period = 0;
  bool period = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      digits = digits * 10 + static_cast<std::uint64_t>(text[i] - '0');
      ++digit_count;
      after_period += period;
    } else if (text[i] == '.' && !period) {
      period = true;
    } else {
      break;
    }
  }
  if (digit_count == 0 || digit_count > kMostExactDigits) return std::nullopt;

  int exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    const std::size_t first = i;
    for (; i < text.size() && IsDigit(text[i]) && i - first < 3; ++i) {
      exponent = exponent * 10 + (text[i] - '0');
    }
    if (i == first) return std::nullopt;
    if (negative) exponent = -exponent;
  }
  if (i != text.size()) return std::nullopt;

  return ExactDecimal(digits, exponent - after_period, text[0] == '-');
}

// The value of a text that is a number in C syntax as it stands ("-1.5E+03", "200.000"), within
// the double range; none for any other text, which the general scan then reads. Most numbers are
// written so, and from_chars reads them in place. It takes no text the scan refuses when the
// text starts with a digit or a point after an optional minus (alone it would also read "inf",
// "nan"), and such a text holds nothing the readings ignore.
std::optional<double> PlainNumber(std::string_view text) {
  const std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
  if (start == text.size() || !(IsDigit(text[start]) || text[start] == '.')) return std::nullopt;
  if (const std::optional<double> exact = ShortDecimal(text)) return exact;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

double LeadingNumber(std::string_view text) {
  if (const std::optional<double> plain = PlainNumber(text)) return *plain;
  std::string squeezed;
  squeezed.reserve(text.size());
  for (char c : text) {
    if (!IsIgnored(c)) squeezed += c;
  }
  std::string_view s = squeezed;
  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') return RadixNumber(s.substr(2), 16);
    if (s[1] == 'O' || s[1] == 'o') return RadixNumber(s.substr(2), 8);
  }
  std::string c_text;
  if (ScanDecimal(s, c_text) == 0) return 0;
  std::optional<double> value = ConvertDecimal(c_text);
  if (!value) throw Failure(FailureKind::Overflow, "number beyond the double range");
  return *value;
}

bool IsNumberText(std::string_view text) {
  std::string c_text;
  return !text.empty() && ScanDecimal(text, c_text) == text.size();
}

std::optional<double> StrictNumber(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  std::size_t last = text.find_last_not_of(' ');
  std::string_view core = text.substr(first, last - first + 1);
  if (const std::optional<double> plain = PlainNumber(core)) return plain;
  std::string c_text;
  if (ScanDecimal(core, c_text) != core.size()) return std::nullopt;
  return ConvertDecimal(c_text);
}

}  // namespace tabulon
