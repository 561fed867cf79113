#pragma once
// The S-box x^5, as x * t * t with t = x^2.

#include "curve/fr.h"

namespace korvo::poseidon {

inline curve::Fr sbox(const curve::Fr& x) {
  const curve::Fr t = x.square();
  return x * t * t;
}

}  // namespace korvo::poseidon
