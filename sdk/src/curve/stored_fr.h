#pragma once
// Elements of tables written out as constant data by sdk/tools/write_tables:
// their stored (Montgomery) limbs, least significant first, taken as they
// are. No conversion and no check; the limbs must be reduced, which the
// tests of the written tables ensure by comparing them with the derivation.

#include <bit>
#include <cstdint>

#include "curve/fr.h"

namespace korvo::curve {

constexpr Fr stored_fr(std::uint64_t l0, std::uint64_t l1, std::uint64_t l2, std::uint64_t l3) {
  return std::bit_cast<Fr>(Limbs{l0, l1, l2, l3});
}

// The limbs that stored_fr takes back.
constexpr Limbs stored_limbs_of(const Fr& x) { return std::bit_cast<Limbs>(x); }

}  // namespace korvo::curve
