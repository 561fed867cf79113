#include "poseidon/sponge.h"

#include "poseidon/permutation.h"

namespace korvo::poseidon {

Poseidon::Poseidon(const Spec& params) : params_(&params) {
  state_.fill(curve::Fr::zero());
  state_[0] = curve::Fr::from_u128(static_cast<unsigned __int128>(1) << 64);
}

curve::Fr Poseidon::update_exact(const Block& block) {
  for (std::size_t k = 0; k < kRate; ++k) state_[k + 1] += block[k];
  params_->permute(state_);
  return state_[1];
}

const Poseidon& poseidon_hasher() {
  static const Spec params = Spec::create(kFullRounds, kPartialRounds);
  static const Poseidon initial(params);
  return initial;
}

}  // namespace korvo::poseidon
