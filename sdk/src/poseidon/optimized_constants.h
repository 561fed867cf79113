#pragma once
// Round constants re-arranged for the optimised permutation. Constants of the
// full rounds after the first are pre-multiplied by M^-1 so they can be added
// right after the S-box; the partial rounds keep one element each, the rest
// of their constants being folded back into the last vector of `start`.

#include <vector>

#include "poseidon/state.h"

namespace korvo::poseidon {

struct OptimizedConstants {
  std::vector<State> start;             // full_rounds / 2 + 1 vectors
  std::vector<curve::Fr> partial;       // one per partial round
  std::vector<State> end;               // full_rounds / 2 - 1 vectors

  static OptimizedConstants create(const std::vector<State>& round_constants,
                                   const Matrix<kWidth>& mds_inverse, unsigned full_rounds,
                                   unsigned partial_rounds);
};

}  // namespace korvo::poseidon
