#include "poseidon/sponge.h"

#include "poseidon/permutation.h"
#include "support/failure.h"

namespace korvo::poseidon {

Poseidon::Poseidon(const Spec& params) : params_(&params) {
  state_.fill(curve::Fr::zero());
  state_[0] = curve::Fr::from_u128(static_cast<unsigned __int128>(1) << 64);
}

void Poseidon::absorb(const Block& block) {
  for (std::size_t k = 0; k < kRate; ++k) state_[k + 1] += block[k];
}

curve::Fr Poseidon::update_exact(const Block& block) {
  absorb(block);
  params_->permute(state_);
  return state_[1];
}

std::array<curve::Fr, 2> Poseidon::update_exact_pair(Poseidon& a, const Block& block_a, Poseidon& b,
                                                     const Block& block_b) {
  ensure(a.params_ == b.params_, "paired sponges need the same parameters");
  a.absorb(block_a);
  b.absorb(block_b);
  a.params_->permute_pair(a.state_, b.state_);
  return {a.state_[1], b.state_[1]};
}

Poseidon poseidon_hasher() { return Poseidon(fixed_permutation()); }

}  // namespace korvo::poseidon
