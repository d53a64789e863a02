// SPDX-License-Identifier: GPL-3.0-or-later
// floor_compare DB1 DB2 OUT_DIR: the least work a comparison of two databases can do, for the
// benchmark's ratio of tabulon-batch compare to it. It shares no code with the program it
// bounds: only the standard library. It reads each file once, finds the four lines of every
// record, parses the temperatures and the fourteen coefficients with from_chars, and writes
// Comp.txt and Comp2.txt into OUT_DIR with the bytes tabulon-batch compare writes for a clean
// generated pair (make_thermo_db): Cp, H and S at 300, 1000 and 2000 K. None of the format's
// quirks, repeated names or failures are handled: it is a floor, not a reference.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr double kR = static_cast<double>(1.9872f);  // the gas constant, as the window holds it
constexpr std::array<double, 3> kTemperatures = {300, 1000, 2000};

struct Record {
  std::string_view name;
  std::array<std::string_view, 4> lines;
  double t_mid = 0;
  std::array<double, 7> high{}, low{};
};

std::string ReadAll(const char* path) {
  std::string bytes;
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return bytes;
  std::fseek(file, 0, SEEK_END);
  bytes.resize(static_cast<std::size_t>(std::ftell(file)));
  std::fseek(file, 0, SEEK_SET);
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
  std::fclose(file);
  return bytes;
}

double Number(std::string_view field) {
  while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
  double value = 0;
  std::from_chars(field.data(), field.data() + field.size(), value);
  return value;
}

// The records between the line of temperatures after THERMO and END, each four lines long.
std::vector<Record> Records(const std::string& bytes) {
  std::vector<std::string_view> lines;
  for (std::size_t at = 0; at < bytes.size();) {
    std::size_t end = bytes.find('\n', at);
    if (end == std::string::npos) end = bytes.size();
    std::size_t stop = end;
    if (stop > at && bytes[stop - 1] == '\r') --stop;
    lines.emplace_back(bytes.data() + at, stop - at);
    at = end + 1;
  }
  std::vector<Record> records;
  records.reserve(lines.size() / 4);
  for (std::size_t i = 2; i + 3 < lines.size() && !lines[i].starts_with("END"); i += 4) {
    Record r;
    r.lines = {lines[i], lines[i + 1], lines[i + 2], lines[i + 3]};
    r.name = lines[i].substr(0, lines[i].find(' '));
    r.t_mid = Number(lines[i].substr(65, 8));
    std::array<double, 14> a{};
    for (int k = 0; k < 14; ++k) a[k] = Number(lines[i + 1 + k / 5].substr(k % 5 * 15, 15));
    std::copy(a.begin(), a.begin() + 7, r.high.begin());
    std::copy(a.begin() + 7, a.end(), r.low.begin());
    records.push_back(r);
  }
  std::sort(records.begin(), records.end(),
            [](const Record& x, const Record& y) { return x.name < y.name; });
  return records;
}

// A number as the reports write it: ' ' or '-', then the decimal digits with no leading zero
// before the point ("12.22", ".05"), or d.dddE+XX below 1e-4 and from 1e15 on. `digits` are
// the significant digits without trailing zeros, `exponent` the power of ten of the first one.
void AppendDecimal(std::string& out, bool negative, std::string_view digits, int exponent) {
  if (digits.empty()) {
    out += " 0";
    return;
  }
  out += negative ? '-' : ' ';
  if (exponent < -4 || exponent >= 15) {
    out += digits[0];
    if (digits.size() > 1) {
      out += '.';
      out += digits.substr(1);
    }
    out += exponent < 0 ? "E-" : "E+";
    const int shown = std::abs(exponent);
    if (shown < 10) out += '0';
    out += std::to_string(shown);
    return;
  }
  const int point = exponent + 1;
  if (point <= 0) {
    out += '.';
    out.append(static_cast<std::size_t>(-point), '0');
    out += digits;
    return;
  }
  for (int i = 0; i < point; ++i) out += i < static_cast<int>(digits.size()) ? digits[i] : '0';
  if (point < static_cast<int>(digits.size())) {
    out += '.';
    out += digits.substr(static_cast<std::size_t>(point));
  }
}

// The value rounded to four significant digits. Returns the rounded value.
double AppendValue(std::string& out, double x) {
  char text[32];
  char* end = std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, 3).ptr;
  double rounded = 0;
  std::from_chars(text, end, rounded);
  const bool negative = text[0] == '-';
  const char* mantissa = text + (negative ? 1 : 0);
  char digits[4] = {mantissa[0], mantissa[2], mantissa[3], mantissa[4]};
  std::size_t count = 4;
  while (count > 0 && digits[count - 1] == '0') --count;
  int exponent = 0;
  const char* e = mantissa + 6;  // after "d.ddde"
  std::from_chars(e + (*e == '+' ? 1 : 0), end, exponent);
  AppendDecimal(out, negative && count > 0, std::string_view(digits, count), exponent);
  return rounded;
}

// |a / b| rounded to hundredths.
void AppendRatio(std::string& out, double a, double b) {
  char text[400];
  const char* end =
      std::to_chars(text, text + sizeof text, std::fabs(a / b), std::chars_format::fixed, 2).ptr;
  const int before_point =
      static_cast<int>(std::find(static_cast<const char*>(text), end, '.') - text);
  std::string digits;
  int leading_zeros = 0;
  for (const char* c = text; c != end; ++c) {
    if (*c == '.') continue;
    if (digits.empty() && *c == '0') {
      ++leading_zeros;
    } else {
      digits += *c;
    }
  }
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  AppendDecimal(out, false, digits, before_point - 1 - leading_zeros);
}

struct Properties {
  double cp, h, s;
};

// Cp, H and S in the window's units, each term in the window's order, so the rounded texts
// are the same to the last digit. The temperatures are whole numbers, so t * t stands for
// the window's pow(t, 2) exactly (and likewise up to t^4).
Properties Evaluate(const Record& r, double t) {
  const std::array<double, 7>& a = t < r.t_mid ? r.low : r.high;
  const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
  double cp = 0;
  cp = cp + a[0] * 1.0;
  cp = cp + a[1] * t;
  cp = cp + a[2] * t2;
  cp = cp + a[3] * t3;
  cp = cp + a[4] * t4;
  double h = a[0] + a[1] * t / 2;
  h = h + a[2] / 3 * t2;
  h = h + a[3] / 4 * t3;
  h = h + a[4] / 5 * t4;
  h = h + a[5] / t;
  double s = a[0] * std::log(t) + a[1] * t;
  s = s + a[2] / 2 * t2;
  s = s + a[3] / 3 * t3;
  s = s + a[4] / 4 * t4;
  s = s + a[6];
  return {cp * kR, h * t * kR / 1000, s * kR};
}

void Write(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

void AppendOneSided(std::string& out, const char* title, const std::vector<const Record*>& only) {
  out += title;
  out += "   ";
  AppendValue(out, static_cast<double>(only.size()));
  out += "\r\n~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~\r\n";
  for (const Record* r : only) {
    for (std::string_view line : r->lines) {
      out += line;
      out += "\r\n";
    }
  }
  out += "\r\n\r\n*-----------------------------------------*\r\n\r\n\r\n";
}

// A coefficient as the report row shows it: the field as written, without its blank when the
// number is not positive.
std::string_view RowText(std::string_view field) {
  if (field.front() == ' ' && field.find_first_of("123456789") > field.find('E')) {
    field.remove_prefix(1);
  }
  return field;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: floor_compare DB1 DB2 OUT_DIR\n", stderr);
    return 2;
  }
  const std::string bytes1 = ReadAll(argv[1]), bytes2 = ReadAll(argv[2]);
  const std::vector<Record> one = Records(bytes1), two = Records(bytes2);

  std::vector<const Record*> only1, only2;
  std::vector<std::pair<const Record*, const Record*>> common;
  for (std::size_t i = 0, j = 0; i < one.size() || j < two.size();) {
    if (j == two.size() || (i < one.size() && one[i].name < two[j].name)) {
      only1.push_back(&one[i++]);
    } else if (i == one.size() || two[j].name < one[i].name) {
      only2.push_back(&two[j++]);
    } else {
      common.emplace_back(&one[i++], &two[j++]);
    }
  }

  std::string comp;
  comp.reserve(bytes1.size() + bytes2.size());
  for (int db = 1; db <= 2; ++db) {
    comp += db == 1 ? "DB #1: " : "DB #2: ";
    comp += argv[db];
    comp += '\t';
    AppendValue(comp, static_cast<double>((db == 1 ? one : two).size()));
    comp += " Species\r\n";
  }
  comp += "\r\n";
  AppendOneSided(comp, "List of species in DB # 1 but not in DB # 2", only1);
  AppendOneSided(comp, "List of species in DB # 2 but not in DB # 1", only2);
  comp += "List of common species   ";
  AppendValue(comp, static_cast<double>(common.size()));
  comp +=
      "\r\n~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~\r\n"
      "Reminder: Cp(High T)=a1+a2*T+a3*T^2+a4*T^3+a5*T^4\r\n"
      "Reminder: Cp(Low T)=a'1+a'2*T+a'3*T^2+a'4*T^3+a'5*T^4\r\n"
      "Coef // Mech1         | Mech2    \r\n";
  for (const auto& [r1, r2] : common) {
    comp += r1->name;
    comp += "\r\n";
    for (int k = 0; k < 14; ++k) {
      const std::string_view f1 = r1->lines[1 + k / 5].substr(k % 5 * 15, 15);
      const std::string_view f2 = r2->lines[1 + k / 5].substr(k % 5 * 15, 15);
      if (f1 == f2) continue;
      comp += k < 7 ? "a" : "a'";
      comp += static_cast<char>('1' + k % 7);
      comp += " // ";
      comp += RowText(f1);
      comp += "     |     ";
      comp += RowText(f2);
      comp += "\r\n\r\n";
    }
  }
  const std::string dir = argv[3];
  Write(dir + "/Comp.txt", comp);

  std::string comp2;
  comp2.reserve(common.size() * 3 * 80);
  comp2 += "DB #1: " + std::string(argv[1]) + "\r\nDB #2: " + std::string(argv[2]) +
           "\r\nCp (cal/mol/K), S (cal/mol/K), H (kcal/mol)\r\n\r\n";
  for (std::size_t block = 0; block < kTemperatures.size(); ++block) {
    const double t = kTemperatures[block];
    if (block > 0) comp2 += " \r\n \r\n";
    comp2 += "T (K) = ";
    AppendValue(comp2, t);
    comp2 += "\t\t\t\t\t\t\t\t\t\r\nSpecies\tCp1\tCp2\tCp1/Cp2\tH1\tH2\tH1/H2\tS1\tS2\tS1/S2\r\n";
    for (const auto& [r1, r2] : common) {
      const Properties p1 = Evaluate(*r1, t), p2 = Evaluate(*r2, t);
      comp2 += r1->name;
      for (const auto& [v1, v2] : {std::pair{p1.cp, p2.cp}, {p1.h, p2.h}, {p1.s, p2.s}}) {
        comp2 += '\t';
        const double a = AppendValue(comp2, v1);
        comp2 += '\t';
        const double b = AppendValue(comp2, v2);
        comp2 += '\t';
        AppendRatio(comp2, a, b);
      }
      comp2 += "\r\n";
    }
  }
  Write(dir + "/Comp2.txt", comp2);
  return 0;
}
