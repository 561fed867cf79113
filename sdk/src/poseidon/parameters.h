#pragma once
// The plain parameters drawn from Grain: round constants c[r][k] and the
// Cauchy matrix M. The permutation is defined by these; the Spec only
// re-arranges them.

#include <vector>

#include "poseidon/mds_matrix.h"

namespace korvo::poseidon {

struct Parameters {
  std::vector<State> round_constants;  // full_rounds + partial_rounds vectors
  MDSMatrix mds;
};

Parameters generate_parameters(unsigned full_rounds, unsigned partial_rounds);

}  // namespace korvo::poseidon
