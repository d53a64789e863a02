// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace tabulon {

// Round tick values for a chart axis: steps of 1, 2 or 5 times a power of ten, so that a reader
// can interpolate between the marks.

// The smallest round step that cuts `span` (> 0) into at most `most_steps` steps. A span that
// is not a positive finite number gives 1.
double RoundStep(double span, int most_steps);

struct AxisRange {
  double min = 0, max = 1;
};

// The range from `low` to `high` widened to whole multiples of `step` (a range already on
// them stays as it is).
AxisRange RoundOutward(double low, double high, double step);

// The multiples of `step` from `low` to `high` (both included, up to a millionth of a step),
// ascending; each is computed as a whole number times the step, so none drifts.
std::vector<double> TickValues(double low, double high, double step);

// The text of a tick value with as many decimals as the step needs ("0.25" for a step of
// 0.05 is "0.25", 1500 with a step of 500 is "1500"); an exponent form beyond 1e7 or below
// 1e-5 ("2e+08"). Never "-0".
std::string TickLabel(double value, double step);

}  // namespace tabulon
