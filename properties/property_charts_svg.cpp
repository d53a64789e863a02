// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/property_charts_svg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <vector>

#include "common/markup_text.h"
#include "properties/axis_ticks.h"
#include "properties/chart_property.h"
#include "properties/property_curves.h"

namespace tabulon {
namespace {

// Pixels of a chart's cell around its plot area: room for the title above, the value labels
// and axis title to the left, the T labels, the T title and the legend below.
constexpr double kLeft = 66, kRight = 18, kTop = 30, kBottom = 66;
constexpr double kRangeWidth = 2.0, kPastJoinWidth = 0.8;  // as the plot window draws them
constexpr int kMostTSteps = 6, kMostValueSteps = 5;
// Curves are sampled about once per pixel of the plot's width, but never more often than this
// per record, however deep the zoom: a smooth curve needs no more.
constexpr double kMostPointsPerRecord = 4000;
// A point far outside a zoomed chart is drawn at this many pixels at most: the plot area cuts
// the line there anyway.
constexpr long kMostTenths = 10'000'000;

// One chart's mapping from values to pixels of its plot area (origin at its top left).
struct Scale {
  double t_min, t_max, v_min, v_max;
  double width, height;
  double t_step, v_step;

  bool Usable() const {
    return std::isfinite(t_max - t_min) && std::isfinite(v_max - v_min) && t_max > t_min &&
           v_max > v_min;
  }
  double X(double t) const { return (t - t_min) / (t_max - t_min) * width; }
  double Y(double v) const { return height - (v - v_min) / (v_max - v_min) * height; }
};

// A coordinate in tenths of a pixel, the resolution of the drawing.
long Tenths(double pixels) {
  if (!(std::abs(pixels) < kMostTenths / 10.0)) return pixels < 0 ? -kMostTenths : kMostTenths;
  return std::lround(pixels * 10);
}

void AppendTenths(std::string& out, long tenths) {
  if (tenths < 0) {
    out += '-';
    tenths = -tenths;
  }
  const long whole = tenths / 10, tenth = tenths % 10;
  if (whole != 0 || tenth == 0) out += std::to_string(whole);
  if (tenth != 0) {
    out += '.';
    out += char('0' + tenth);
  }
}

void AppendPixels(std::string& out, double pixels) {
  AppendTenths(out, Tenths(pixels));
}

// "Mx,y": a move to a point.
void AppendMove(std::string& out, double x, double y) {
  out += 'M';
  AppendPixels(out, x);
  out += ',';
  AppendPixels(out, y);
}

// The plot area's place in its chart's cell, as attributes.
void AppendPlotArea(std::string& out, double width, double height) {
  const std::pair<const char*, double> attributes[] = {
      {"x", kLeft}, {"y", kTop}, {"width", width}, {"height", height}};
  for (const auto& [name, value] : attributes) {
    out += ' ';
    out += name;
    out += "=\"";
    AppendPixels(out, value);
    out += '"';
  }
}

// One coefficient set's piece of a curve as one path: the first point absolute, every further
// point relative to the one before, in tenths of a pixel; points that fall on the previous one
// at that resolution are left out.
void AppendCurvePath(std::string& out, const CurvePiece& piece, ChartProperty property,
                     const Scale& scale, std::string_view colour, double width) {
  out += "<path stroke=\"";
  out += colour;
  out += "\" stroke-width=\"";
  AppendPixels(out, width);
  out += "\" d=\"";
  long x0 = 0, y0 = 0;
  bool first = true;
  for (std::size_t i = 0; i < piece.t.size(); ++i) {
    const long x = Tenths(scale.X(piece.t[i]));
    const long y = Tenths(scale.Y(ChartValue(property, piece.values[i])));
    if (first) {
      out += 'M';
      AppendTenths(out, x);
      out += ',';
      AppendTenths(out, y);
      out += 'l';
      first = false;
    } else if (x != x0 || y != y0) {
      AppendTenths(out, x - x0);
      out += ',';
      AppendTenths(out, y - y0);
      out += ' ';
    }
    x0 = x;
    y0 = y;
  }
  // A piece of one point draws a dot, as a line of length zero with round caps.
  if (!first && out.back() == 'l') out += "0,0";
  out += "\"/>\n";
}

// The data's extent for one property: T over the records' ranges, the values over every point.
struct Bounds {
  double t_min = INFINITY, t_max = -INFINITY, v_min = INFINITY, v_max = -INFINITY;
  bool Empty() const { return !(t_min <= t_max) || !(v_min <= v_max); }
};

Bounds BoundsOf(const std::vector<RecordCurves>& curves, ChartProperty property) {
  Bounds b;
  for (const RecordCurves& record : curves) {
    for (const CurvePiece& piece : record.pieces) {
      for (std::size_t i = 0; i < piece.t.size(); ++i) {
        const double v = ChartValue(property, piece.values[i]);
        b.t_min = std::min(b.t_min, piece.t[i]);
        b.t_max = std::max(b.t_max, piece.t[i]);
        b.v_min = std::min(b.v_min, v);
        b.v_max = std::max(b.v_max, v);
      }
    }
  }
  return b;
}

// The whole of every curve: T over the records' ranges, the values with a margin so that no
// curve touches the frame (a flat curve gets one of its own size, or 1), both widened to round
// values.
Scale FullScale(const Bounds& b, double width, double height) {
  Scale s{0, 1, 0, 1, width, height, 0.2, 0.2};
  if (b.Empty()) return s;
  double margin = 0.05 * (b.v_max - b.v_min);
  if (margin == 0) margin = std::max(1.0, 0.05 * std::abs(b.v_min));
  double t_min = b.t_min, t_max = b.t_max;
  if (t_min == t_max) t_min -= 1, t_max += 1;
  s.t_step = RoundStep(t_max - t_min, kMostTSteps);
  s.v_step = RoundStep(b.v_max - b.v_min + 2 * margin, kMostValueSteps);
  const AxisRange t = RoundOutward(t_min, t_max, s.t_step);
  const AxisRange v = RoundOutward(b.v_min - margin, b.v_max + margin, s.v_step);
  s.t_min = t.min, s.t_max = t.max, s.v_min = v.min, s.v_max = v.max;
  return s;
}

Scale WindowScale(const ChartWindow& w, double width, double height) {
  return {w.t_min,
          w.t_max,
          w.value_min,
          w.value_max,
          width,
          height,
          RoundStep(w.t_max - w.t_min, kMostTSteps),
          RoundStep(w.value_max - w.value_min, kMostValueSteps)};
}

void AppendText(std::string& out, double x, double y, std::string_view anchor,
                std::string_view text, std::string_view extra = {}) {
  out += "<text x=\"";
  AppendPixels(out, x);
  out += "\" y=\"";
  AppendPixels(out, y);
  out += '"';
  if (!anchor.empty()) {
    out += " text-anchor=\"";
    out += anchor;
    out += '"';
  }
  out += extra;
  out += '>';
  out += text;
  out += "</text>\n";
}

// At most `most` characters of a legend text, then an ellipsis: a long file name must not run
// into the next entry.
std::string LegendText(std::string_view label, std::size_t most) {
  if (label.size() <= most) return MarkupText(label);
  return MarkupText(label.substr(0, most - 1)) + "\xE2\x80\xA6";
}

// One chart in its cell: its lines into `out`, its texts into `texts` (drawn after the lines,
// filled where the lines are not).
void AppendChart(std::string& out, std::string& texts, ChartProperty property, const Scale& scale,
                 bool zoomed, std::span<const ChartRecord> records,
                 const std::vector<RecordCurves>& curves, const Units& units,
                 const ChartDrawing& drawing) {
  const double pw = scale.width, ph = scale.height;
  std::string title = MarkupText(drawing.species);
  if (!title.empty()) title += ": ";
  title += ChartTitle(property);
  AppendText(texts, kLeft + pw / 2, 20, "middle", title, " font-size=\"14\" font-weight=\"bold\"");

  const std::vector<double> t_ticks = TickValues(scale.t_min, scale.t_max, scale.t_step);
  const std::vector<double> v_ticks = TickValues(scale.v_min, scale.v_max, scale.v_step);
  // The grid, then the frame over it.
  out += "<path stroke=\"currentColor\" stroke-opacity=\".18\" d=\"";
  for (const double t : t_ticks) {
    AppendMove(out, kLeft + scale.X(t), kTop);
    out += 'v';
    AppendPixels(out, ph);
  }
  for (const double v : v_ticks) {
    AppendMove(out, kLeft, kTop + scale.Y(v));
    out += 'h';
    AppendPixels(out, pw);
  }
  out += "\"/>\n<rect stroke=\"currentColor\"";
  AppendPlotArea(out, pw, ph);
  out += "/>\n";
  for (const double t : t_ticks) {
    AppendText(texts, kLeft + scale.X(t), kTop + ph + 15, "middle", TickLabel(t, scale.t_step));
  }
  for (const double v : v_ticks) {
    AppendText(texts, kLeft - 5, kTop + scale.Y(v) + 4, "end", TickLabel(v, scale.v_step));
  }
  AppendText(texts, kLeft + pw / 2, kTop + ph + 31, "middle", "T (K)");
  const double title_x = 14, title_y = kTop + ph / 2;
  char rotate[96];
  std::snprintf(rotate, sizeof rotate, " transform=\"rotate(-90 %g %g)\"", title_x, title_y);
  AppendText(texts, title_x, title_y, "middle", ChartAxisTitle(property, units), rotate);

  // The curves in the plot area's own coordinates. A zoomed chart puts them into an inner
  // drawing of the plot area's size, which cuts off whatever lies outside; the whole view needs
  // no cut (its axes hold every point), so a page gets one drawing for each species.
  if (zoomed) {
    out += "<svg";
    AppendPlotArea(out, pw, ph);
    out += " overflow=\"hidden\">\n";
  } else {
    out += "<g transform=\"translate(";
    AppendPixels(out, kLeft);
    out += ' ';
    AppendPixels(out, kTop);
    out += ")\">\n";
  }
  if (scale.Usable()) {
    for (std::size_t k = 0; k < records.size(); ++k) {
      for (const CurvePiece& piece : curves[k].pieces) {
        const bool own = piece.part == CurvePart::LowRange || piece.part == CurvePart::HighRange;
        AppendCurvePath(out, piece, property, scale, records[k].colour,
                        own ? kRangeWidth : kPastJoinWidth);
      }
    }
    for (std::size_t k = 0; k < records.size(); ++k) {
      if (!curves[k].has_join) continue;
      out += "<path stroke=\"" + records[k].colour + "\" stroke-dasharray=\"6 4\" d=\"";
      AppendMove(out, scale.X(curves[k].t_mid), 0);
      out += 'v';
      AppendPixels(out, ph);
      out += "\"/>\n";
    }
  }
  out += zoomed ? "</svg>\n" : "</g>\n";

  // The legend: one entry per record, side by side under the T title.
  const double entry_width = pw / std::max<std::size_t>(records.size(), 1);
  const double legend_y = kTop + ph + 52;
  for (std::size_t k = 0; k < records.size(); ++k) {
    const double x = kLeft + entry_width * double(k);
    out += "<path stroke=\"" + records[k].colour + "\" stroke-width=\"2\" d=\"";
    AppendMove(out, x, legend_y - 4);
    out += "h22\"/>\n";
    const auto most = std::size_t(std::max(4.0, (entry_width - 34) / 6.5));
    AppendText(texts, x + 28, legend_y, "", LegendText(records[k].label, most));
  }
}

}  // namespace

void WritePropertyChartsSvg(std::ostream& out, std::span<const ChartRecord> records,
                            const Units& units, const ChartDrawing& drawing) {
  const double cell_w = drawing.width / 2.0, cell_h = drawing.height / 2.0;
  const double pw = std::max(10.0, cell_w - kLeft - kRight);
  const double ph = std::max(10.0, cell_h - kTop - kBottom);

  // Every chart shows the same records over T: one sampling serves all four, as fine as the
  // narrowest T window asks.
  double t_min = INFINITY, t_max = -INFINITY;
  for (const ChartRecord& record : records) {
    t_min = std::min(t_min, record.ranges.t_low);
    t_max = std::max(t_max, record.ranges.t_high);
  }
  double shown_span = t_max - t_min;
  for (const auto& window : drawing.windows) {
    if (window) shown_span = std::min(shown_span, window->t_max - window->t_min);
  }
  std::vector<RecordCurves> curves;
  curves.reserve(records.size());
  for (const ChartRecord& record : records) {
    const double share = (record.ranges.t_high - record.ranges.t_low) / shown_span;
    const double points = std::clamp(std::ceil(pw * share), 2.0, kMostPointsPerRecord);
    curves.push_back(SampleRecordCurves(record.ranges, record.units.value_or(units),
                                        std::isfinite(points) ? int(points) : 2));
  }

  std::string svg;
  if (drawing.standalone) svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  char head[400];
  std::snprintf(head, sizeof head,
                "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" "
                "viewBox=\"0 0 %d %d\" font-family=\"sans-serif\" font-size=\"12\" "
                "fill=\"none\" stroke-linejoin=\"round\" stroke-linecap=\"round\"%s>\n",
                drawing.width, drawing.height, drawing.width, drawing.height,
                drawing.standalone ? " color=\"black\"" : "");
  svg += head;
  svg += "<title>";
  if (!drawing.species.empty()) svg += MarkupText(drawing.species) + ": ";
  svg += "Cp, H, S and G against T</title>\n";
  if (drawing.standalone) svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";

  for (const ChartProperty property : kChartProperties) {
    const int index = static_cast<int>(property);
    const auto& window = drawing.windows[std::size_t(index)];
    const Scale scale =
        window ? WindowScale(*window, pw, ph) : FullScale(BoundsOf(curves, property), pw, ph);
    char group[96];
    std::snprintf(group, sizeof group, "<g transform=\"translate(%g %g)\">\n", cell_w * (index % 2),
                  cell_h * (index / 2));
    svg += group;
    std::string texts;
    AppendChart(svg, texts, property, scale, window.has_value(), records, curves, units, drawing);
    svg += "<g fill=\"currentColor\">\n" + texts + "</g>\n</g>\n";
  }
  svg += "</svg>\n";
  out.write(svg.data(), static_cast<std::streamsize>(svg.size()));
}

}  // namespace tabulon
