#pragma once
// The verification as first written, kept as the reference for the faster
// one: both order checks multiply by the subgroup order, then
// A*c + R - G*S is formed term by term, every product by double-and-add.

#include "curve/double_and_add.h"
#include "curve/jubjub_params.h"
#include "tx/eddsa.h"

namespace korvo::tx::testing {

inline bool reference_verify(const curve::Point<curve::Unknown>& a, std::span<const std::uint8_t> msg,
                             const Signature<curve::Unknown>& signature) {
  using curve::testing::double_and_add;
  using P = curve::Point<curve::Unknown>;
  const auto& params = curve::jubjub_params();
  const curve::Fs c = challenge(msg);
  if (double_and_add(a, curve::Fs::char_(), params) != P::zero()) return false;
  if (double_and_add(signature.r, curve::Fs::char_(), params) != P::zero()) return false;
  const P gs = double_and_add(P(params.signing_generator()), signature.s.to_limbs(), params);
  return double_and_add(a, c.to_limbs(), params).add(signature.r, params).add(gs.negate(), params) == P::zero();
}

}  // namespace korvo::tx::testing
