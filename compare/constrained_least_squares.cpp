// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/constrained_least_squares.h"

#include <Eigen/Dense>

namespace tabulon {

void LinearRows::Add(std::span<const double> coefficients, double rhs) {
  coefficients_.insert(coefficients_.end(), coefficients.begin(),
                       coefficients.begin() + static_cast<std::ptrdiff_t>(unknowns_));
  rhs_.push_back(rhs);
}

void LinearRows::Reserve(std::size_t rows) {
  coefficients_.reserve(coefficients_.size() + rows * unknowns_);
  rhs_.reserve(rhs_.size() + rows);
}

namespace {

using Matrix = Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>;

Eigen::Map<const Matrix> MatrixOf(const LinearRows& rows) {
  return {rows.Coefficients().data(), static_cast<Eigen::Index>(rows.Count()),
          static_cast<Eigen::Index>(rows.Unknowns())};
}

Eigen::Map<const Eigen::VectorXd> RhsOf(const LinearRows& rows) {
  return {rows.Rhs().data(), static_cast<Eigen::Index>(rows.Count())};
}

}  // namespace

std::vector<double> SolveConstrainedLeastSquares(const LinearRows& fitted,
                                                 const LinearRows& exact) {
  const Eigen::Index n = static_cast<Eigen::Index>(exact.Unknowns());
  const Eigen::Index m = static_cast<Eigen::Index>(exact.Count());

  const Eigen::HouseholderQR<Eigen::MatrixXd> qr(MatrixOf(exact).transpose());
  const Eigen::MatrixXd q = qr.householderQ();
  const auto r = qr.matrixQR().topLeftCorner(m, m).triangularView<Eigen::Upper>();
  const Eigen::VectorXd particular = q.leftCols(m) * r.transpose().solve(RhsOf(exact));
  const Eigen::MatrixXd null_space = q.rightCols(n - m);

  Eigen::VectorXd x = particular;
  if (fitted.Count() > 0) {
    const Eigen::Map<const Matrix> a = MatrixOf(fitted);
    const Eigen::MatrixXd reduced = a * null_space;
    const Eigen::VectorXd residual = RhsOf(fitted) - a * particular;
    x += null_space * reduced.completeOrthogonalDecomposition().solve(residual);
  }
  return std::vector<double>(x.data(), x.data() + x.size());
}

}  // namespace tabulon
