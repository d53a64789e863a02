// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/deviation_scan.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <unordered_map>

#include "compare/check_rules.h"
#include "compare/grid_search.h"
#include "compare/nasa7_forms.h"

namespace tabulon {

namespace {

// A stretch of integer kelvins where each record keeps one set.
struct Piece {
  int from, to;
  const CoefficientSet* a;
  const CoefficientSet* b;
};

std::vector<Piece> Pieces(const TwoRangeNasa7& a, const TwoRangeNasa7& b, int from, int to) {
  // An integer T is below t_mid exactly when it is below ceil(t_mid).
  const double past = double(to) + 1;  // a t_mid beyond the range cuts nothing
  std::vector<int> cuts = {from, int(std::ceil(std::min(a.t_mid, past))),
                           int(std::ceil(std::min(b.t_mid, past))), to + 1};
  std::sort(cuts.begin() + 1, cuts.end() - 1);
  std::vector<Piece> pieces;
  int start = from;
  for (std::size_t i = 1; i < cuts.size(); ++i) {
    const int end = std::min(cuts[i], to + 1);
    if (end <= start) continue;
    pieces.push_back({start, end - 1, &a.SetAt(start), &b.SetAt(start)});
    start = end;
  }
  return pieces;
}

// One property: its closed form for the bounds and its evaluation at the points.
struct Quantity {
  GridFunction (*form)(const CoefficientSet&, double r);
  double (*value)(const CoefficientSet&, double t, const Units&);
};

void ScanQuantity(const Quantity& q, const std::vector<Piece>& pieces, const Units& units,
                  PropertyDeviation& out) {
  GridExtreme best;
  struct Prepared {
    GridFunction difference;
    double margin;
  };
  std::vector<Prepared> prepared;
  for (const Piece& piece : pieces) {
    const GridFunction fa = q.form(*piece.a, units.r), fb = q.form(*piece.b, units.r);
    const double top = double(piece.to);
    prepared.push_back(
        {Difference(fa, fb), kGridMarginFraction * (fa.Magnitude(top) + fb.Magnitude(top))});
  }
  const auto exact_for = [&](const Piece& piece) {
    return [&piece, &q, &units](int t) {
      return q.value(*piece.a, double(t), units) - q.value(*piece.b, double(t), units);
    };
  };
  for (const Piece& piece : pieces) {
    // The same set on both sides gives the same value bit for bit: 0 at every kelvin.
    if (*piece.a == *piece.b) {
      best.Offer(0, piece.from);
    } else {
      SeedLargest(piece.from, piece.to, exact_for(piece), best);
    }
  }
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (*pieces[i].a == *pieces[i].b) continue;
    RefineLargest(prepared[i].difference, pieces[i].from, pieces[i].to, prepared[i].margin,
                  exact_for(pieces[i]), best);
  }
  // The first kelvin that reaches the largest value up to rounding: a difference that is the
  // same everywhere but for the last bits is reported where it begins, not where rounding
  // happened to make it largest.
  const double threshold = best.value * (1 - kDeviationTieFraction);
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (*pieces[i].a == *pieces[i].b) {
      if (threshold <= 0) {
        out = {best.value, pieces[i].from};
        return;
      }
      continue;
    }
    if (const auto t = FirstReaching(prepared[i].difference, pieces[i].from, pieces[i].to,
                                     prepared[i].margin, threshold, exact_for(pieces[i]))) {
      out = {best.value, *t};
      return;
    }
  }
  out = {best.value, best.t};
}

}  // namespace

std::optional<Deviation> ScanDeviation(const TwoRangeNasa7& a, const TwoRangeNasa7& b,
                                       const Units& units) {
  const double start = std::max(a.t_low, b.t_low), end = std::min(a.t_high, b.t_high);
  if (!(start <= end) || !(start > 0)) return std::nullopt;
  if (start > kGridTopKelvin) return std::nullopt;
  const int from = int(std::ceil(start)), to = GridTop(end);
  if (from > to) return std::nullopt;
  const std::vector<Piece> pieces = Pieces(a, b, from, to);
  Deviation deviation{from, to, {}, {}, {}, {}};
  ScanQuantity({&CpForm, &CpAt}, pieces, units, deviation.cp);
  ScanQuantity({&HForm, &HAt}, pieces, units, deviation.h);
  ScanQuantity({&SForm, &SAt}, pieces, units, deviation.s);
  ScanQuantity({&GForm, &GAt}, pieces, units, deviation.g);
  return deviation;
}

bool Scannable(const ThermoRecord& record) {
  return record.Complete() && record.coefficients_read &&
         LimitsInOrder(record.t_low, record.t_high, record.t_mid);
}

DeviationRun ScanDeviations(std::span<const ThermoRecord> first,
                            std::span<const ThermoRecord> second, const DeviationProgress& progress,
                            const Units& units) {
  std::unordered_map<std::string_view, const ThermoRecord*> in_second;
  in_second.reserve(second.size());
  for (const ThermoRecord& record : second) in_second.try_emplace(record.name, &record);

  std::unordered_map<std::string_view, const ThermoRecord*> seen;
  std::vector<std::pair<const ThermoRecord*, const ThermoRecord*>> pairs;
  for (const ThermoRecord& record : first) {
    if (!seen.try_emplace(record.name, &record).second) continue;
    const auto match = in_second.find(record.name);
    if (match != in_second.end()) pairs.emplace_back(&record, match->second);
  }
  std::sort(pairs.begin(), pairs.end(),
            [](const auto& x, const auto& y) { return x.first->name < y.first->name; });

  constexpr std::size_t kProgressEvery = 64;
  DeviationRun run;
  run.rows.reserve(pairs.size());
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (progress && i % kProgressEvery == 0 && !progress(i, pairs.size())) {
      run.cancelled = true;
      break;
    }
    const auto [a, b] = pairs[i];
    DeviationRow row{a->name, std::nullopt, a->line_number, b->line_number};
    if (Scannable(*a) && Scannable(*b)) {
      row.deviation = ScanDeviation(TwoRangeNasa7::Of(*a), TwoRangeNasa7::Of(*b), units);
    }
    run.rows.push_back(std::move(row));
  }
  if (!run.cancelled && progress) progress(pairs.size(), pairs.size());
  return run;
}

}  // namespace tabulon
