#pragma once
// Test helpers: field elements as hex text, random field elements.

#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "curve/fr.h"

namespace korvo::poseidon::testing {

inline std::string fr_to_hex(const curve::Fr& x) { return curve::repr_to_hex(x.to_limbs()); }

inline curve::Fr random_fr(std::mt19937_64& rng) {
  std::array<std::uint64_t, 8> wide{};
  for (auto& limb : wide) limb = rng();
  return curve::Fr::from_u512(wide);
}

}  // namespace korvo::poseidon::testing
