#include "poseidon/optimized_constants.h"

#include "support/failure.h"

namespace korvo::poseidon {

OptimizedConstants OptimizedConstants::create(const std::vector<State>& round_constants,
                                              const Matrix<kWidth>& mds_inverse,
                                              unsigned full_rounds, unsigned partial_rounds) {
  ensure(round_constants.size() == full_rounds + partial_rounds,
         "wrong number of round constant vectors");
  const unsigned half = full_rounds / 2;
  OptimizedConstants result;

  result.start.push_back(round_constants[0]);
  for (unsigned r = 1; r < half; ++r) result.start.push_back(mds_inverse.mul_vector(round_constants[r]));

  // Adding v after M equals adding M^-1 v before it. Walking back from the
  // first full round after the partial ones, each partial round keeps the
  // element-0 part (it cannot pass the S-box) and hands the rest on.
  result.partial.resize(partial_rounds);
  State acc = round_constants[half + partial_rounds];
  for (unsigned r = half + partial_rounds; r-- > half;) {
    State moved = mds_inverse.mul_vector(acc);
    result.partial[r - half] = moved[0];
    moved[0] = curve::Fr::zero();
    for (std::size_t k = 0; k < kWidth; ++k) acc[k] = round_constants[r][k] + moved[k];
  }
  result.start.push_back(mds_inverse.mul_vector(acc));

  for (unsigned r = half + partial_rounds + 1; r < full_rounds + partial_rounds; ++r) {
    result.end.push_back(mds_inverse.mul_vector(round_constants[r]));
  }
  return result;
}

}  // namespace korvo::poseidon
