#include "curve/fr.h"

#include "curve/divstep_inverse.h"

namespace korvo::curve {

std::optional<Fr> Fr::from_str_var(std::string_view decimal) {
  if (decimal.empty()) return std::nullopt;
  if (decimal == "0") return zero();
  if (decimal.front() == '0') return std::nullopt;
  const Fr ten = from_u64(10);
  Fr value = zero();
  for (const char c : decimal) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * ten + from_u64(static_cast<std::uint64_t>(c - '0'));
  }
  return value;
}

Fr::Bytes Fr::to_le_bytes() const { return limbs_to_le_bytes(to_limbs()); }

Fr Fr::from_u512(const std::array<std::uint64_t, 8>& limbs) {
  const Limbs lo{limbs[0], limbs[1], limbs[2], limbs[3]};
  const Limbs hi{limbs[4], limbs[5], limbs[6], limbs[7]};
  return from_stored(Core::add(Core::mul(FrParams::R2, lo), Core::mul(FrParams::R3, hi)));
}

Fr Fr::from_le_bytes_wide(const std::array<std::uint8_t, 64>& le) {
  const Limbs lo = limbs_from_le_bytes(le.data());
  const Limbs hi = limbs_from_le_bytes(le.data() + 32);
  return from_u512({lo[0], lo[1], lo[2], lo[3], hi[0], hi[1], hi[2], hi[3]});
}

CtChecked<Fr> Fr::invert() const {
  // The inverse of the stored a*R is a^-1*R^-1; the Montgomery product with
  // R^3 turns it into the stored form a^-1*R.
  const Limbs inverse = divstep_inverse(stored(), FrParams::MODULUS, FrParams::INV);
  return {from_stored(Core::mul(FrParams::R3, inverse)), detail::is_zero_bit(stored()) == 0};
}

}  // namespace korvo::curve
