#pragma once
// The S-box x^5, as x * (x^2)^2: squares are cheaper than products.

#include "curve/fr.h"

namespace korvo::poseidon {

[[gnu::always_inline]] inline curve::Fr sbox(const curve::Fr& x) {
  return x * x.square().square();
}

}  // namespace korvo::poseidon
