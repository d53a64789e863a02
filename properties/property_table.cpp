// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/property_table.h"

#include <charconv>
#include <cmath>

namespace tabulon {

std::string TableRangeProblem(const TableRange& range) {
  if (!std::isfinite(range.from) || !std::isfinite(range.to) || !std::isfinite(range.step)) {
    return "from, to and step must be numbers";
  }
  if (!(range.step > 0)) return "the step must be above 0";
  if (range.from > range.to) return "from must not be above to";
  if ((range.to - range.from) / range.step >= kMaxTableRows) {
    return "the table would have more than " + std::to_string(kMaxTableRows) + " rows";
  }
  return {};
}

std::vector<double> TableTemperatures(const TableRange& range) {
  std::vector<double> temperatures;
  if (!TableRangeProblem(range).empty()) return temperatures;
  const double slack = range.step * 1e-6;
  const long last = static_cast<long>(std::floor((range.to - range.from + slack) / range.step));
  temperatures.reserve(last + 1);
  for (long i = 0; i <= last; ++i) {
    const double t = range.from + range.step * static_cast<double>(i);
    temperatures.push_back(std::fabs(t - range.to) <= slack ? range.to : t);
  }
  return temperatures;
}

TableColumns EvaluateColumns(const TwoRangeNasa7& record, const std::vector<double>& temperatures,
                             const Units& units) {
  TableColumns columns;
  columns.rows.reserve(temperatures.size());
  for (double t : temperatures) {
    std::optional<Properties> value;
    // T <= 0 or an overflow inside the range gives no value: the cells stay empty.
    if (record.Covers(t) && t > 0) {
      const Properties p = PropertiesAt(record.SetAt(t), t, units);
      if (std::isfinite(p.cp) && std::isfinite(p.h) && std::isfinite(p.s) && std::isfinite(p.g)) {
        value = p;
      }
    }
    columns.rows.push_back(value);
  }
  return columns;
}

PropertyTable BuildPropertyTable(const std::vector<std::optional<TwoRangeNasa7>>& records,
                                 const std::vector<std::string>& suffixes,
                                 const std::vector<double>& temperatures, const Units& units) {
  return BuildPropertyTable(records, suffixes, temperatures,
                            std::vector<Units>(records.size(), units));
}

PropertyTable BuildPropertyTable(const std::vector<std::optional<TwoRangeNasa7>>& records,
                                 const std::vector<std::string>& suffixes,
                                 const std::vector<double>& temperatures,
                                 const std::vector<Units>& units) {
  static constexpr const char* kNames[] = {"Cp", "H", "S", "G"};
  PropertyTable table;
  table.header.push_back("T");
  std::vector<TableColumns> columns;
  for (std::size_t k = 0; k < records.size(); ++k) {
    for (const char* name : kNames) table.header.push_back(name + suffixes[k]);
    columns.push_back(
        records[k] ? EvaluateColumns(*records[k], temperatures, units[k])
                   : TableColumns{std::vector<std::optional<Properties>>(temperatures.size())});
  }
  const bool differences = records.size() == 2;
  if (differences) {
    for (const char* name : kNames) table.header.push_back(std::string("d") + name);
  }

  auto values = [](const std::optional<Properties>& p) {
    using Cell = std::optional<double>;
    if (!p) return std::array<Cell, 4>{};
    return std::array<Cell, 4>{p->cp, p->h, p->s, p->g};
  };
  for (std::size_t i = 0; i < temperatures.size(); ++i) {
    std::vector<std::optional<double>> row{temperatures[i]};
    for (const TableColumns& c : columns) {
      for (const auto& cell : values(c.rows[i])) row.push_back(cell);
    }
    if (differences) {
      const auto first = values(columns[0].rows[i]);
      const auto second = values(columns[1].rows[i]);
      for (int k = 0; k < 4; ++k) {
        row.push_back(first[k] && second[k] ? std::optional<double>(*first[k] - *second[k])
                                            : std::nullopt);
      }
    }
    table.cells.push_back(std::move(row));
  }
  return table;
}

std::string ShortestText(double x) {
  if (x == 0) return "0";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
  return std::string(buffer, result.ptr);
}

std::string TableText(const PropertyTable& table, char separator) {
  std::string text;
  for (std::size_t k = 0; k < table.header.size(); ++k) {
    if (k > 0) text += separator;
    text += table.header[k];
  }
  text += '\n';
  for (const auto& row : table.cells) {
    for (std::size_t k = 0; k < row.size(); ++k) {
      if (k > 0) text += separator;
      if (row[k]) text += ShortestText(*row[k]);
    }
    text += '\n';
  }
  return text;
}

}  // namespace tabulon
