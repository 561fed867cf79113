#include "poseidon/parameters.h"

#include "poseidon/grain.h"

namespace korvo::poseidon {

// One register runs across all draws: constants round by round, then the
// matrix row seeds, then the column seeds.
Parameters generate_parameters(unsigned full_rounds, unsigned partial_rounds) {
  Grain grain = Grain::create(kWidth, full_rounds, partial_rounds);

  std::vector<State> constants(full_rounds + partial_rounds);
  for (State& round : constants) {
    for (curve::Fr& c : round) c = grain.next_round_constant();
  }
  State xs;
  State ys;
  for (curve::Fr& x : xs) x = grain.next_field_element_without_rejection();
  for (curve::Fr& y : ys) y = grain.next_field_element_without_rejection();
  return Parameters{std::move(constants), MDSMatrix::cauchy(xs, ys)};
}

}  // namespace korvo::poseidon
