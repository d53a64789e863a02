// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/deviation_report.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "compare/check_report.h"

namespace tabulon {

void WriteDeviationsCsv(std::ostream& out, std::span<const DeviationRow> rows) {
  out << "name,t_from,t_to,dcp_max,dcp_t,dh_max,dh_t,ds_max,ds_t\n";
  for (const DeviationRow& row : rows) {
    out << CsvField(row.name);
    if (const auto& d = row.deviation) {
      out << ',' << d->t_from << ',' << d->t_to;
      for (const PropertyDeviation* p : {&d->cp, &d->h, &d->s}) {
        out << ',' << ShortestNumber(p->max) << ',' << p->t;
      }
    } else {
      out << ",,,,,,,,";
    }
    out << '\n';
  }
}

namespace {

std::string Cell(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

void WriteDeviationsTable(std::ostream& out, std::span<const DeviationRow> rows) {
  std::vector<const DeviationRow*> order;
  order.reserve(rows.size());
  for (const DeviationRow& row : rows) order.push_back(&row);
  std::stable_sort(order.begin(), order.end(), [](const DeviationRow* x, const DeviationRow* y) {
    if (x->deviation.has_value() != y->deviation.has_value()) return x->deviation.has_value();
    return x->deviation && x->deviation->cp.max > y->deviation->cp.max;
  });

  std::size_t name_width = 7;
  for (const DeviationRow& row : rows) name_width = std::max(name_width, row.name.size());
  char line[256];
  std::snprintf(line, sizeof line, "%-*s  %11s  %11s %6s  %11s %6s  %11s %6s\n", int(name_width),
                "species", "T range (K)", "dCp max", "at T", "dH max", "at T", "dS max", "at T");
  out << line;
  std::snprintf(line, sizeof line, "%-*s  %11s  %11s %6s  %11s %6s  %11s %6s\n", int(name_width),
                "", "", "cal/mol/K", "K", "kcal/mol", "K", "cal/mol/K", "K");
  out << line;
  for (const DeviationRow* row : order) {
    out << row->name << std::string(name_width - row->name.size(), ' ');
    const auto& d = row->deviation;
    if (!d) {
      out << "  (no common range)\n";
      continue;
    }
    const std::string range = std::to_string(d->t_from) + "-" + std::to_string(d->t_to);
    std::snprintf(line, sizeof line, "  %11s  %11s %6d  %11s %6d  %11s %6d\n", range.c_str(),
                  Cell("%.4g", d->cp.max).c_str(), d->cp.t, Cell("%.4g", d->h.max).c_str(), d->h.t,
                  Cell("%.4g", d->s.max).c_str(), d->s.t);
    out << line;
  }
}

}  // namespace tabulon
