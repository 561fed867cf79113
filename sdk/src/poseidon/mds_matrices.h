#pragma once
// The matrices of the optimised permutation.

#include <vector>

#include "poseidon/mds_matrix.h"

namespace korvo::poseidon {

struct MDSMatrices {
  Matrix<kWidth> mds;
  // Applied once, after the first half of the full rounds, in place of mds.
  Matrix<kWidth> pre_sparse_mds;
  // One per partial round, in the order the rounds use them.
  std::vector<SparseMDSMatrix> sparse_matrices;

  static MDSMatrices create(const MDSMatrix& mds, unsigned partial_rounds);
};

}  // namespace korvo::poseidon
