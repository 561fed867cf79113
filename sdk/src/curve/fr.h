#pragma once
// Fr: the BN254 scalar field, base field of Baby JubJub and field of the
// Poseidon hash. One element type serves both: the curve reads and writes
// canonical limbs, the Poseidon hash 32- and 64-byte little-endian forms.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "curve/field_core.h"

namespace korvo::curve {

using FrRepr = Limbs;

// A value with a validity flag computed without branching, for results whose
// validity may itself be secret (the inverse of a secret z): the caller
// decides whether to branch on it. The value is meaningful only when `valid`.
template <class F>
struct CtChecked {
  F value;
  bool valid;
};

struct FrParams {
  static constexpr Limbs MODULUS{0x43e1f593f0000001, 0x2833e84879b97091, 0xb85045b68181585d,
                                 0x30644e72e131a029};
  static constexpr Limbs R{0xac96341c4ffffffb, 0x36fc76959f60cd29, 0x666ea36f7879462e,
                           0x0e0a77c19a07df2f};
  static constexpr Limbs R2{0x1bb8e645ae216da7, 0x53fe3ab1e35c59e3, 0x8c49833d53bb8085,
                            0x0216d0b17f4e44a5};
  static constexpr Limbs R3{0x5e94d8e1b4bf0040, 0x2a489cbe1cfbb6b8, 0x893cc664a19fcfed,
                            0x0cf8594b7fcc657c};
  static constexpr std::uint64_t INV = 0xc2e1f593efffffff;
};

class Fr : public PrimeField<Fr, FrParams> {
 public:
  using Bytes = std::array<std::uint8_t, 32>;

  constexpr Fr() = default;

  // Decimal digits without sign or leading zero; values at or above r wrap.
  // Variable time: for the curve's public constants.
  static std::optional<Fr> from_str_var(std::string_view decimal);

  // Little-endian bytes; as from_limbs, nothing unless the integer is below r.
  static std::optional<Fr> from_le_bytes(const Bytes& le) { return from_limbs(limbs_from_le_bytes(le.data())); }
  Bytes to_le_bytes() const;
  // 512-bit little-endian integer reduced modulo r.
  static Fr from_u512(const std::array<std::uint64_t, 8>& limbs);
  static Fr from_le_bytes_wide(const std::array<std::uint8_t, 64>& le);
  static constexpr Fr from_u128(unsigned __int128 v) {
    return from_raw(limbs_from_u128(v));
  }
  // The inverse (a^(r-2)) in constant time, by divsteps; invalid exactly for
  // zero, which gives zero.
  CtChecked<Fr> invert() const;
};

}  // namespace korvo::curve
