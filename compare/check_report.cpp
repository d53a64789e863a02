// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/check_report.h"

#include <cmath>
#include <cstdio>
#include <ostream>

namespace tabulon {

namespace {

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte >= 0x7f) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string JsonNumber(double x) {
  return std::isfinite(x) ? ShortestNumber(x) : "null";
}

}  // namespace

std::string CsvField(std::string_view text) {
  const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                     (!text.empty() && (text.front() == ' ' || text.back() == ' '));
  if (!quote) return std::string(text);
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

void WriteFindingsText(std::ostream& out, std::span<const CheckFinding> findings) {
  for (const CheckFinding& f : findings) {
    out << f.line << '\t' << f.name << '\t' << CodeName(f.code) << '\t' << f.detail << '\n';
  }
}

void WriteFindingsCsv(std::ostream& out, std::span<const CheckFinding> findings) {
  out << "line,name,code,detail\n";
  for (const CheckFinding& f : findings) {
    out << f.line << ',' << CsvField(f.name) << ',' << CodeName(f.code) << ',' << CsvField(f.detail)
        << '\n';
  }
}

void WriteFindingsJson(std::ostream& out, std::span<const CheckFinding> findings) {
  out << '[';
  const char* separator = "\n";
  for (const CheckFinding& f : findings) {
    out << separator << "  {\"line\": " << f.line << ", \"name\": " << JsonString(f.name)
        << ", \"code\": \"" << CodeName(f.code) << "\", \"detail\": " << JsonString(f.detail)
        << ", \"numbers\": {";
    const char* inner = "";
    for (const auto& [key, value] : f.numbers) {
      out << inner << JsonString(key) << ": " << JsonNumber(value);
      inner = ", ";
    }
    out << "}}";
    separator = ",\n";
  }
  out << (findings.empty() ? "]\n" : "\n]\n");
}

}  // namespace tabulon
