// The derivation of the parameter record, apart from the permutation: only
// sdk/tools/write_tables and the tests call it, so nothing of it (nor of
// Grain and the matrix algebra) is linked into a program that only hashes.
#include <algorithm>

#include "poseidon/mds_matrices.h"
#include "poseidon/optimized_constants.h"
#include "poseidon/parameters.h"
#include "poseidon/permutation.h"
#include "support/failure.h"

namespace korvo::poseidon {

Spec Spec::create(unsigned full_rounds, unsigned partial_rounds) {
  ensure(full_rounds % 2 == 0 && full_rounds > 0, "number of full rounds must be even and non-zero");
  ensure(full_rounds <= kFullRounds && partial_rounds <= kPartialRounds, "more rounds than a Spec holds");
  Parameters plain = generate_parameters(full_rounds, partial_rounds);
  const std::optional<Matrix<kWidth>> mds_inverse = plain.mds.matrix().invert();
  ensure(mds_inverse.has_value(), "MDS matrix is not invertible");
  const OptimizedConstants constants =
      OptimizedConstants::create(plain.round_constants, *mds_inverse, full_rounds, partial_rounds);
  const MDSMatrices matrices = MDSMatrices::create(plain.mds, partial_rounds);
  FullRoundConstants full{full_rounds / 2, {}, {}};
  std::copy(constants.start.begin(), constants.start.end(), full.start.begin());
  std::copy(constants.end.begin(), constants.end.end(), full.end.begin());
  return Spec(full, PairedMatrix(matrices.mds), PairedMatrix(matrices.pre_sparse_mds),
              PartialRounds(matrices.sparse_matrices, constants.partial));
}

}  // namespace korvo::poseidon
