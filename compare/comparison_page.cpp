// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/comparison_page.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <ostream>
#include <sstream>
#include <string_view>

#include "common/markup_text.h"
#include "compare/check_report.h"
#include "compare/page_assets.h"
#include "properties/chart_property.h"
#include "properties/property_charts_svg.h"

namespace tabulon {
namespace {

// A name list longer than this is folded away (<details>), so the counts stay in view.
constexpr std::size_t kNamesShownOpen = 40;
// A code with more findings than this starts folded.
constexpr std::size_t kFindingsShownOpen = 20;
// The size of each species' drawing: the four charts two by two.
constexpr int kDrawingWidth = 1000, kDrawingHeight = 740;
constexpr std::string_view kMark = "\xE2\x96\xB2";  // ▲, beside every value above a tolerance

std::string Html(std::string_view latin1) {
  return MarkupText(latin1);
}

// The file name without its folders ("therm_a.dat").
std::string_view FileName(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Four significant digits, as the diff command's table shows them.
std::string Shown(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", value);
  return text;
}

// A rounded number in a cell, its whole value (the CSV text) in the title.
void AppendNumberCell(std::string& out, double value, bool above = false) {
  out += above ? "<td class=\"n above\" title=\"" : "<td class=\"n\" title=\"";
  out += ShortestNumber(value);
  out += "\">";
  out += Shown(value);
  if (above) {
    out += ' ';
    out += kMark;
  }
  out += "</td>";
}

void AppendIntegerCell(std::string& out, long long value) {
  out += "<td class=\"n\">" + std::to_string(value) + "</td>";
}

// The gas constant as the units hold it: the window's R is a float widened to a double, and
// is written as the float's shortest text (1.9872), SI's as the double's (8.314462618).
std::string GasConstantText(double r) {
  const auto narrow = static_cast<float>(r);
  if (double(narrow) != r) return ShortestNumber(r);
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, narrow);
  return std::string(text, result.ptr);
}

std::string TrimmedHtml(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return Html(text.substr(first, last - first + 1));
}

void AppendHead(std::string& out, const ComparisonSummary& summary) {
  out +=
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      "<meta name=\"color-scheme\" content=\"light dark\">\n<title>Comparison of ";
  out += Html(FileName(summary.files[0].path)) + " and " + Html(FileName(summary.files[1].path));
  out += "</title>\n<style>";
  out += kPageStyle;
  out += "</style>\n</head>\n<body>\n";
}

void AppendFiles(std::string& out, const ComparisonSummary& summary, const PageOptions& options) {
  const Units& units = *summary.options.units;
  out += "<header>\n<h1>Comparison of two thermo databases</h1>\n<p class=\"note\">Written by " +
         Html(options.generator) + " on " + Html(options.generated_at) + ".</p>\n";
  out +=
      "<nav aria-label=\"Contents\"><ul><li><a href=\"#files\">Files</a></li>"
      "<li><a href=\"#species\">Species</a></li>"
      "<li><a href=\"#deviations\">Differences</a></li>"
      "<li><a href=\"#plots\">Plots</a></li>"
      "<li><a href=\"#checks\">Check findings</a></li></ul></nav>\n</header>\n<main>\n";
  out +=
      "<section id=\"files\">\n<h2>Files</h2>\n<div class=\"scroll\"><table>\n"
      "<thead><tr><td></td><th scope=\"col\">DB #1</th><th scope=\"col\">DB #2</th></tr>"
      "</thead>\n<tbody>\n";
  const auto row = [&out](std::string_view heading, const std::string& a, const std::string& b,
                          std::string_view cell_class) {
    out += "<tr><th scope=\"row\">";
    out += heading;
    out += "</th><td";
    out += cell_class;
    out += ">" + a + "</td><td";
    out += cell_class;
    out += ">" + b + "</td></tr>\n";
  };
  const DatabaseFacts& f1 = summary.files[0];
  const DatabaseFacts& f2 = summary.files[1];
  row("Path", Html(f1.path), Html(f2.path), "");
  row("Size (bytes)", std::to_string(f1.size), std::to_string(f2.size), " class=\"n\"");
  const auto modified = [](const DatabaseFacts& f) {
    return f.modified_ns ? UtcTimeText(f.modified_ns) : std::string("-");
  };
  row("Modified", modified(f1), modified(f2), "");
  row("Records", std::to_string(f1.records), std::to_string(f2.records), " class=\"n\"");
  row("Species (different names)", std::to_string(f1.species), std::to_string(f2.species),
      " class=\"n\"");
  out += "</tbody>\n</table></div>\n";

  const CheckTolerances& t = summary.options.tolerances;
  out += "<p>Units: T in K; Cp and S in " + std::string(units.cp_unit) + ", H and G in " +
         units.h_unit + " (R = " + GasConstantText(units.r) + " " + units.cp_unit +
         "). Differences are DB #1 minus DB #2 at every whole kelvin both records cover. "
         "Tolerances (as <code>tabulon-batch check</code> applies them to a record's two sets): "
         "cp " +
         ShortestNumber(t.cp) + ", h " + ShortestNumber(t.h) + ", s " + ShortestNumber(t.s) + "; " +
         std::string(kMark) +
         " marks a largest difference that is above its tolerance when the two databases' values "
         "where it occurs are measured as the check measures a jump.</p>\n</section>\n";
}

void AppendNames(std::string& out, std::string_view title, const std::vector<std::string>& names) {
  const std::string heading = std::string(title) + " (" + std::to_string(names.size()) + ")";
  if (names.empty()) return;
  const bool folded = names.size() > kNamesShownOpen;
  out += folded ? "<details><summary>" + heading + "</summary>\n" : "<h3>" + heading + "</h3>\n";
  out += "<ul class=\"names\">";
  for (const std::string& name : names) out += "<li>" + Html(name) + "</li>";
  out += "</ul>\n";
  if (folded) out += "</details>\n";
}

void AppendSpecies(std::string& out, const ComparisonSummary& summary) {
  std::vector<std::string> common;
  common.reserve(summary.rows.size());
  for (const DeviationRow& row : summary.rows) common.push_back(row.name);
  out +=
      "<section id=\"species\">\n<h2>Species</h2>\n<table>\n<thead><tr>"
      "<th scope=\"col\">In both</th><th scope=\"col\">Only in DB #1</th>"
      "<th scope=\"col\">Only in DB #2</th></tr></thead>\n<tbody><tr>";
  AppendIntegerCell(out, (long long)common.size());
  AppendIntegerCell(out, (long long)summary.only_first.size());
  AppendIntegerCell(out, (long long)summary.only_second.size());
  out += "</tr></tbody>\n</table>\n";
  AppendNames(out, "In both", common);
  AppendNames(out, "Only in DB #1", summary.only_first);
  AppendNames(out, "Only in DB #2", summary.only_second);
  out += "</section>\n";
}

std::string PlotAnchor(std::size_t row) {
  return "s" + std::to_string(row);
}

void AppendDeviations(std::string& out, const ComparisonSummary& summary) {
  const Units& units = *summary.options.units;
  std::vector<bool> plotted(summary.rows.size(), false);
  for (const auto& p : summary.plotted) plotted[p.row] = true;

  out +=
      "<section id=\"deviations\">\n<h2>Largest differences over the shared range</h2>\n"
      "<p class=\"note\">Every species in both databases (the first record of each name), "
      "largest |&#916;G| first. Click a column heading to sort by it. A species without a "
      "shared whole kelvin, or with a record that cannot be evaluated, has empty cells.</p>\n"
      "<div class=\"scroll\"><table class=\"sortable\" id=\"deviation-table\">\n"
      "<thead><tr><th scope=\"col\">Species</th><th scope=\"col\">T from (K)</th>"
      "<th scope=\"col\">T to (K)</th>";
  const char* const symbols[] = {"Cp", "H", "S", "G"};
  for (int k = 0; k < 4; ++k) {
    const auto property = static_cast<ChartProperty>(k);
    out += "<th scope=\"col\">|&#916;" + std::string(symbols[k]) + "| max (" +
           ChartUnit(property, units) + ")</th><th scope=\"col\">at T (K)</th>";
  }
  out += "</tr></thead>\n<tbody>\n";
  for (const std::size_t i : summary.ranking) {
    const DeviationRow& row = summary.rows[i];
    const auto& d = row.deviation;
    const DeviationMarks& marks = summary.marks[i];
    out += marks.Any() ? "<tr class=\"above\">" : "<tr>";
    out += "<th scope=\"row\">";
    out += plotted[i] ? "<a href=\"#" + PlotAnchor(i) + "\">" + Html(row.name) + "</a>"
                      : Html(row.name);
    out += "</th>";
    if (!d) {
      out +=
          "<td></td><td></td><td></td><td></td><td></td><td></td><td></td><td></td><td></td>"
          "<td></td></tr>\n";
      continue;
    }
    AppendIntegerCell(out, d->t_from);
    AppendIntegerCell(out, d->t_to);
    AppendNumberCell(out, d->cp.max, marks.cp);
    AppendIntegerCell(out, d->cp.t);
    AppendNumberCell(out, d->h.max, marks.h);
    AppendIntegerCell(out, d->h.t);
    AppendNumberCell(out, d->s.max, marks.s);
    AppendIntegerCell(out, d->s.t);
    AppendNumberCell(out, d->g.max);
    AppendIntegerCell(out, d->g.t);
    out += "</tr>\n";
  }
  out += "</tbody>\n</table></div>\n</section>\n";
}

// One record's limits and coefficients beside the other's, the rows that differ marked.
void AppendCoefficients(std::string& out, const ThermoRecord& a, const ThermoRecord& b) {
  out +=
      "<div class=\"scroll\"><table>\n<caption>Limits and coefficients</caption>\n"
      "<thead><tr><th scope=\"col\"></th><th scope=\"col\">DB #1 (line " +
      std::to_string(a.line_number) + ")</th><th scope=\"col\">DB #2 (line " +
      std::to_string(b.line_number) +
      ")</th><th scope=\"col\">DB #1 &#8722; DB #2</th></tr></thead>\n<tbody>\n";
  const auto row = [&out](const std::string& heading, std::string_view text1,
                          std::string_view text2, double value1, double value2) {
    const bool differs = text1 != text2 && !(value1 == value2);
    out += differs ? "<tr class=\"above\"><th scope=\"row\">" + heading + " &#8800;</th>"
                   : "<tr><th scope=\"row\">" + heading + "</th>";
    out += "<td class=\"c\">" + TrimmedHtml(text1) + "</td><td class=\"c\">" + TrimmedHtml(text2) +
           "</td>";
    if (std::isfinite(value1 - value2)) {
      AppendNumberCell(out, value1 - value2);
    } else {
      out += "<td></td>";
    }
    out += "</tr>\n";
  };
  const TemperatureLimits limits_a = a.LimitTexts(), limits_b = b.LimitTexts();
  row("T low", limits_a.low, limits_b.low, a.t_low, b.t_low);
  row("T high", limits_a.high, limits_b.high, a.t_high, b.t_high);
  row("T common", limits_a.mid, limits_b.mid, a.t_mid, b.t_mid);
  for (std::size_t k = 0; k < kCoefficientsPerRecord; ++k) {
    const bool high = k < kCoefficientsPerSet;
    const std::size_t i = high ? k : k - kCoefficientsPerSet;
    const std::string heading =
        (high ? "a" : "a&#8242;") + std::to_string(i + 1) + (high ? " (high set)" : " (low set)");
    row(heading, a.CoefficientText(int(k)), b.CoefficientText(int(k)), high ? a.high[i] : a.low[i],
        high ? b.high[i] : b.low[i]);
  }
  out += "</tbody>\n</table></div>\n";
}

void AppendPlots(std::string& out, const ComparisonSummary& summary) {
  const Units& units = *summary.options.units;
  out += "<section id=\"plots\">\n<h2>The species that differ most</h2>\n";
  if (summary.plotted.empty()) {
    out += "<p>No species in both databases differs.</p>\n";
  } else {
    out += "<p class=\"note\">The " + std::to_string(summary.plotted.size()) +
           " species at the top of the table that differ at all. DB #1 in blue, DB #2 in red; "
           "each coefficient set over its own range, continued thinner past the common "
           "temperature (dashed).</p>\n";
  }
  const std::string label1 = "DB #1: " + std::string(FileName(summary.files[0].path));
  const std::string label2 = "DB #2: " + std::string(FileName(summary.files[1].path));
  for (const auto& plotted : summary.plotted) {
    const DeviationRow& row = summary.rows[plotted.row];
    out += "<section class=\"species\" id=\"" + PlotAnchor(plotted.row) + "\">\n<h3>" +
           Html(row.name) + "</h3>\n<figure>\n";
    const ChartRecord records[] = {
        {label1, std::string(DatabaseColour(1)), TwoRangeNasa7::Of(*plotted.first), std::nullopt},
        {label2, std::string(DatabaseColour(2)), TwoRangeNasa7::Of(*plotted.second), std::nullopt}};
    ChartDrawing drawing;
    drawing.width = kDrawingWidth;
    drawing.height = kDrawingHeight;
    drawing.species = row.name;
    drawing.standalone = false;
    std::ostringstream svg;
    WritePropertyChartsSvg(svg, records, units, drawing);
    out += svg.str();
    const Deviation& d = *row.deviation;
    out += "<figcaption>Largest |&#916;G| " + Shown(d.g.max) + " " + units.h_unit + " at " +
           std::to_string(d.g.t) + " K, |&#916;Cp| " + Shown(d.cp.max) + " " + units.cp_unit +
           " at " + std::to_string(d.cp.t) + " K.</figcaption>\n</figure>\n";
    AppendCoefficients(out, *plotted.first, *plotted.second);
    out += "</section>\n";
  }
  out += "</section>\n";
}

void AppendFindings(std::string& out, const ComparisonSummary& summary) {
  out += "<section id=\"checks\">\n<h2>Check findings</h2>\n";
  for (int k = 0; k < 2; ++k) {
    const std::vector<CheckFinding>& findings = summary.checks[std::size_t(k)].findings;
    out += "<h3>DB #" + std::to_string(k + 1) + ": " +
           Html(FileName(summary.files[std::size_t(k)].path)) + ", " +
           std::to_string(findings.size()) + (findings.size() == 1 ? " finding" : " findings") +
           "</h3>\n";
    for (int c = 0; c < kCheckCodeCount; ++c) {
      const auto code = static_cast<CheckCode>(c);
      std::size_t count = 0;
      for (const CheckFinding& f : findings) count += f.code == code;
      if (count == 0) continue;
      out += count > kFindingsShownOpen ? "<details>" : "<details open>";
      out += "<summary><code>" + std::string(CodeName(code)) + "</code>: " + std::to_string(count) +
             "</summary>\n<div class=\"scroll\"><table>\n<thead><tr>"
             "<th scope=\"col\">Line</th><th scope=\"col\">Species</th>"
             "<th scope=\"col\">Detail</th></tr></thead>\n<tbody>\n";
      for (const CheckFinding& f : findings) {
        if (f.code != code) continue;
        out += "<tr>";
        AppendIntegerCell(out, f.line);
        out += "<td>" + Html(f.name) + "</td><td>" + Html(f.detail) + "</td></tr>\n";
      }
      out += "</tbody>\n</table></div>\n</details>\n";
    }
  }
  out += "</section>\n";
}

}  // namespace

std::string UtcTimeText(std::int64_t ns_since_epoch) {
  const auto seconds = static_cast<std::time_t>(ns_since_epoch / 1'000'000'000);
  std::tm utc{};
  char text[64];
  if (!gmtime_r(&seconds, &utc) ||
      std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &utc) == 0) {
    return "-";
  }
  return text;
}

void WriteComparisonPage(std::ostream& out, const ComparisonSummary& summary,
                         const PageOptions& options) {
  std::string page;
  AppendHead(page, summary);
  AppendFiles(page, summary, options);
  AppendSpecies(page, summary);
  AppendDeviations(page, summary);
  AppendPlots(page, summary);
  AppendFindings(page, summary);
  page += "</main>\n<script>";
  page += kPageScript;
  page += "</script>\n</body>\n</html>\n";
  out.write(page.data(), static_cast<std::streamsize>(page.size()));
}

}  // namespace tabulon
