#include "poseidon/mds_matrices.h"

#include <algorithm>

namespace korvo::poseidon {

// Each partial round ends with mds. Working from the last round back, mds is
// split into sparse * dense; dense commutes with that round's S-box on
// element 0, so it joins the previous round's mds, which is split in turn.
// What remains after the first partial round is the pre-sparse matrix.
MDSMatrices MDSMatrices::create(const MDSMatrix& mds, unsigned partial_rounds) {
  MDSMatrices result{mds.matrix(), mds.matrix(), {}};
  result.sparse_matrices.reserve(partial_rounds);
  MDSMatrix acc = mds;
  for (unsigned round = 0; round < partial_rounds; ++round) {
    auto [dense, sparse] = acc.factorise();
    result.sparse_matrices.push_back(sparse);
    acc = MDSMatrix(dense.mul(mds.matrix()));
  }
  std::reverse(result.sparse_matrices.begin(), result.sparse_matrices.end());
  result.pre_sparse_mds = acc.matrix();
  return result;
}

}  // namespace korvo::poseidon
