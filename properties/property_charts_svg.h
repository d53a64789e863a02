// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>

#include "properties/nasa7.h"

namespace tabulon {

// The four charts of a species (Cp, H, S and G against T, two by two) as one SVG drawing: what
// the plot window shows and the comparison page embeds, drawn from the records' curves alone, so
// that it needs no window. Each record is drawn as the plot window draws it: each coefficient set
// over its own range, continued thinner past the join, the common temperature dashed in the
// record's colour. Every piece of a curve is one path, every chart gets round ticks on both axes,
// a frame, its title and a legend naming the records.

// One record to draw.
struct ChartRecord {
  std::string label;   // legend text, as bytes read as Latin-1 ("DB #1: therm_a.dat")
  std::string colour;  // "#rrggbb"
  TwoRangeNasa7 ranges;
  std::optional<Units> units;  // its own (per mass, by its weight); none: the drawing's
};

// The part of a chart to show: T from t_min to t_max, values from value_min to value_max.
struct ChartWindow {
  double t_min = 0, t_max = 1, value_min = 0, value_max = 1;
};

struct ChartDrawing {
  int width = 1200, height = 900;  // the whole drawing, in pixels
  std::string species;             // put before each chart's title ("H2O: Entropy S"); bytes
  // Standalone: a file of its own (an XML declaration, a white background, black text). Inline:
  // an <svg> element for an HTML page, without a background, its text and frames in the page's
  // text colour (currentColor), so it reads in a light and a dark page alike.
  bool standalone = true;
  // For each chart (in kChartProperties order), the part to show, as a zoomed plot window shows
  // it; none: the whole of every curve, the axes widened to round values.
  std::array<std::optional<ChartWindow>, 4> windows{};
};

// Writes the drawing, the axis titles in `units`. Values that cannot be computed (T <= 0, beyond
// the double range) are left out as the plot window leaves them out; records with nothing to draw
// leave empty charts.
void WritePropertyChartsSvg(std::ostream& out, std::span<const ChartRecord> records,
                            const Units& units, const ChartDrawing& drawing);

}  // namespace tabulon
