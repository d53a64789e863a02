// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace tabulon {

// Searches over every integer kelvin of a range that give exactly the answer of evaluating every
// point, at a fraction of the cost: the range is cut into blocks, and a block is evaluated point
// by point only when a bound of the function over it cannot rule it out.
//
// The bound is taken on the function's closed form
//   f(T) = c0 + c1*T + c2*T^2 + c3*T^3 + c4*T^4 + c5*T^5 + l*ln(T) + m*T*ln(T)
// (every Cp, H, S and G of one NASA-7 set, and the difference of two, has this form), expanded
// around the block's centre. The points themselves are always evaluated by the caller's own
// function, so the answer is that function's, rounding included; `margin` must exceed the
// rounding error of both the caller's evaluation and the bound (callers take a millionth of
// the largest term, far above it).
struct GridFunction {
  std::array<double, 6> power{};  // c0 .. c5
  double log = 0;                 // l
  double t_log = 0;               // m

  double At(double t) const {
    double sum = power[5];
    for (int k = 4; k >= 0; --k) sum = sum * t + power[k];
    if (log != 0 || t_log != 0) sum += (log + t_log * t) * std::log(t);
    return sum;
  }
  // The sum of the magnitudes of every term at t: what rounding errors are measured against.
  double Magnitude(double t) const {
    double sum = 0, tk = 1;
    for (double c : power) {
      sum += std::abs(c) * tk;
      tk *= t;
    }
    return sum + std::abs(log * std::log(t)) + std::abs(t_log * t * std::log(t));
  }
  // How far f can move away from f(centre) within centre - half .. centre + half
  // (0 < half < centre): the Taylor terms of the polynomial at the centre, each at its
  // largest, plus the logarithm's largest change, plus half times the largest slope of T ln T
  // (ln T + 1, largest in magnitude at one end).
  double Spread(double centre, double half) const {
    double spread = 0, hk = 1;
    for (int j = 1; j <= 5; ++j) {
      // Taylor coefficient j at the centre: sum over k >= j of binomial(k, j) c_k centre^(k-j).
      double coefficient = 0, binomial = 1, ck = 1;
      for (int k = j; k <= 5; ++k) {
        coefficient += binomial * power[static_cast<std::size_t>(k)] * ck;
        binomial = binomial * (k + 1) / (k + 1 - j);
        ck *= centre;
      }
      hk *= half;
      spread += std::abs(coefficient) * hk;
    }
    if (log != 0) spread += std::abs(log) * std::log(centre / (centre - half));
    if (t_log != 0) {
      const double slope =
          std::max(std::abs(std::log(centre - half) + 1), std::abs(std::log(centre + half) + 1));
      spread += std::abs(t_log) * slope * half;
    }
    return spread;
  }
};

// The grids end here at the latest: NASA-7 fits reach a few 10,000 K, and a limit beyond this
// is a typo whose range would otherwise cost billions of points (or overflow an int).
inline constexpr double kGridTopKelvin = 1e6;

// The last whole kelvin of a range ending at t_high, at most kGridTopKelvin.
inline int GridTop(double t_high) {
  return int(std::floor(std::min(t_high, kGridTopKelvin)));
}

// Blocks of at most this many points are evaluated point by point.
inline constexpr int kGridLeafPoints = 16;

// The first integer T of from .. to (from >= 1) where exact(T) <= 0, or none. `form` is the
// closed form of exact.
template <class Exact>
std::optional<int> FirstAtOrBelowZero(const GridFunction& form, int from, int to, double margin,
                                      const Exact& exact) {
  if (from > to) return std::nullopt;
  if (to - from + 1 <= kGridLeafPoints) {
    for (int t = from; t <= to; ++t) {
      if (!(exact(t) > 0)) return t;
    }
    return std::nullopt;
  }
  const double centre = 0.5 * (double(from) + double(to));
  const double half = 0.5 * (double(to) - double(from));
  if (form.At(centre) - form.Spread(centre, half) > 2 * margin) return std::nullopt;
  const int split = from + (to - from) / 2;
  if (auto t = FirstAtOrBelowZero(form, from, split, margin, exact)) return t;
  return FirstAtOrBelowZero(form, split + 1, to, margin, exact);
}

// The largest |exact(T)| over the integer kelvins of a range and the first T where it occurs.
struct GridExtreme {
  double value = -1;  // negative: no point evaluated yet
  int t = 0;

  bool Found() const { return value >= 0; }
  // Takes the point when it is larger, or as large and earlier.
  void Offer(double v, int at) {
    if (v > value || (v == value && at < t)) {
      value = v;
      t = at;
    }
  }
};

namespace grid_detail {

template <class Exact>
void RefineBlock(const GridFunction& form, int from, int to, double margin, const Exact& exact,
                 GridExtreme& best) {
  if (to - from + 1 <= kGridLeafPoints) {
    for (int t = from; t <= to; ++t) best.Offer(std::abs(exact(t)), t);
    return;
  }
  const double centre = 0.5 * (double(from) + double(to));
  const double half = 0.5 * (double(to) - double(from));
  if (std::abs(form.At(centre)) + form.Spread(centre, half) + 2 * margin < best.value) return;
  const int split = from + (to - from) / 2;
  RefineBlock(form, from, split, margin, exact, best);
  RefineBlock(form, split + 1, to, margin, exact, best);
}

}  // namespace grid_detail

// Points evaluated first, every kSeedStep kelvins, so that the bound can rule out most blocks.
inline constexpr int kSeedStep = 64;

// Seeds `best` with a sample of from .. to (from >= 1); call for every piece of a range before
// RefineLargest, so that each piece is refined against the whole range's best so far.
template <class Exact>
void SeedLargest(int from, int to, const Exact& exact, GridExtreme& best) {
  if (from > to) return;
  for (int t = from; t < to; t += kSeedStep) best.Offer(std::abs(exact(t)), t);
  best.Offer(std::abs(exact(to)), to);
}

// Completes `best` over from .. to: afterwards it holds what evaluating every point in order
// would have given, seeds or not.
template <class Exact>
void RefineLargest(const GridFunction& form, int from, int to, double margin, const Exact& exact,
                   GridExtreme& best) {
  if (from > to) return;
  grid_detail::RefineBlock(form, from, to, margin, exact, best);
}

// The first integer T of from .. to where |exact(T)| >= threshold, or none.
template <class Exact>
std::optional<int> FirstReaching(const GridFunction& form, int from, int to, double margin,
                                 double threshold, const Exact& exact) {
  if (from > to) return std::nullopt;
  if (to - from + 1 <= kGridLeafPoints) {
    for (int t = from; t <= to; ++t) {
      if (std::abs(exact(t)) >= threshold) return t;
    }
    return std::nullopt;
  }
  const double centre = 0.5 * (double(from) + double(to));
  const double half = 0.5 * (double(to) - double(from));
  if (std::abs(form.At(centre)) + form.Spread(centre, half) + 2 * margin < threshold) {
    return std::nullopt;
  }
  const int split = from + (to - from) / 2;
  if (auto t = FirstReaching(form, from, split, margin, threshold, exact)) return t;
  return FirstReaching(form, split + 1, to, margin, threshold, exact);
}

}  // namespace tabulon
