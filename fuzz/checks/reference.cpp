// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/checks/reference.h"

#include <cstdio>

namespace tabulon::fuzz {

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (std::size_t i = 0; i < text.size() && i < 80; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 32 && c < 127 && c != '"' && c != '\\') {
      quoted += static_cast<char>(c);
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", c);
      quoted += escape;
    }
  }
  if (text.size() > 80) quoted += "...";
  return quoted + "\"";
}

std::vector<std::string> ReferenceLines(std::string_view bytes, std::vector<std::size_t>* starts) {
  std::vector<std::string> lines;
  std::string current;
  std::size_t current_start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      current += c;
      continue;
    }
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    lines.push_back(current);
    if (starts) starts->push_back(current_start);
    current.clear();
    current_start = i + 1;
  }
  if (!current.empty()) {
    lines.push_back(current);
    if (starts) starts->push_back(current_start);
  }
  return lines;
}

std::string ReferenceUpper(std::string_view text) {
  std::string upper;
  for (char c : text) upper += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  return upper;
}

std::string ReferenceWord(std::string_view line) {
  const std::size_t blank = line.find(' ');
  return blank == std::string_view::npos ? std::string() : ReferenceUpper(line.substr(0, blank));
}

}  // namespace tabulon::fuzz
