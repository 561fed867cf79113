#pragma once
// The S-box x^5, as x * (x^2)^2: squares are cheaper than products.

#include "curve/fr.h"
#include "poseidon/state.h"

namespace korvo::poseidon {

[[gnu::always_inline]] inline curve::Fr sbox(const curve::Fr& x) {
  return x * x.square().square();
}

// The S-box on every element, one step at a time across the state, so that
// the nine independent chains of products overlap.
inline void sbox_layer(State& s) {
  State fourth;
  for (std::size_t k = 0; k < kWidth; ++k) fourth[k] = s[k].square();
  for (std::size_t k = 0; k < kWidth; ++k) fourth[k] = fourth[k].square();
  for (std::size_t k = 0; k < kWidth; ++k) s[k] *= fourth[k];
}

}  // namespace korvo::poseidon
