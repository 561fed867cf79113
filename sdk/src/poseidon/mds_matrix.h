#pragma once
// The MDS matrix, its sparse factors and the factorisation that produces them.

#include <utility>

#include "poseidon/matrix.h"
#include "poseidon/state.h"

namespace korvo::poseidon {

// Identity except for a full first row and the rest of the first column.
struct SparseMDSMatrix {
  State row;
  Vector<kWidth - 1> column;
};

class MDSMatrix {
 public:
  explicit MDSMatrix(const Matrix<kWidth>& m) : m_(m) {}
  // m[i][j] = 1 / (xs[i] + ys[j]); an internal failure if a sum is zero.
  static MDSMatrix cauchy(const State& xs, const State& ys);

  const Matrix<kWidth>& matrix() const { return m_; }

  // Splits m into sparse * dense, where dense keeps element 0 apart
  // (dense = diag(1, m minus its first row and column)), so that dense can be
  // moved through a partial round. Internal failure if that minor is singular.
  std::pair<Matrix<kWidth>, SparseMDSMatrix> factorise() const;

 private:
  Matrix<kWidth> m_;
};

}  // namespace korvo::poseidon
