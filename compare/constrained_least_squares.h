// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace tabulon {

// Rows of a linear system A x = b with a fixed number of unknowns, row after row.
class LinearRows {
 public:
  explicit LinearRows(std::size_t unknowns) : unknowns_(unknowns) {}

  // One equation: sum of coefficients[k] x[k] = rhs (coefficients has `unknowns` values).
  void Add(std::span<const double> coefficients, double rhs);
  void Reserve(std::size_t rows);

  std::size_t Unknowns() const { return unknowns_; }
  std::size_t Count() const { return rhs_.size(); }
  const std::vector<double>& Coefficients() const { return coefficients_; }  // row-major
  const std::vector<double>& Rhs() const { return rhs_; }

 private:
  std::size_t unknowns_;
  std::vector<double> coefficients_;
  std::vector<double> rhs_;
};

// The x that satisfies every equation of `exact` (C x = d, independent rows, fewer than the
// unknowns) and among those minimises |A x - b| over the rows of `fitted` (least squares).
//
// Solved by the null-space method with Eigen's Householder QR: C^T = Q [R; 0] splits x into a
// particular solution Q1 R^-T d of the constraints and Q2 z, free in the null space of C; then
// z minimises |A Q2 z - (b - A Q1 R^-T d)| by a complete orthogonal decomposition, which gives
// the smallest z when the fitted rows do not fix it (too few of them).
std::vector<double> SolveConstrainedLeastSquares(const LinearRows& fitted, const LinearRows& exact);

}  // namespace tabulon
