#include "tx/eddsa.h"

#include <array>

#include "curve/short_multiple.h"
#include "support/failure.h"
#include "support/secret.h"

namespace korvo::tx {

curve::Fs challenge(std::span<const std::uint8_t> msg) {
  std::array<std::uint8_t, 32> padded{};
  const std::size_t used = msg.size() < padded.size() ? msg.size() : padded.size();
  for (std::size_t i = 0; i < used; ++i) padded[i] = msg[i];
  return curve::Fs::to_uniform_32(padded);
}

Signature<curve::PrimeOrder> sign_raw_message(const curve::Fs& sk, std::span<const std::uint8_t> msg,
                                              const Seed& seed, const curve::AltJubjubBn256& params) {
  ensure(msg.size() <= 32, "messages longer than 32 bytes cannot be signed");
  // A = G*sk always has order s, so its order check is left out.
  const auto r = params.mul_generator_ct(seed.value);
  const curve::Fs s = challenge(msg) * sk + seed.value;
  return {r, s};
}

bool verify_for_raw_message(const curve::Point<curve::Unknown>& public_key, std::span<const std::uint8_t> msg,
                            const Signature<curve::Unknown>& signature, const curve::AltJubjubBn256& params) {
  const curve::Fs c = challenge(msg);
  if (!params.both_in_prime_subgroup_var(public_key, signature.r)) return false;
  // A*c + R - G*S = 0 multiplied by v with u = v*c mod s:
  // u*A + v*R - G*(v*S) = 0. A, R and G lie in the subgroup of order s and
  // v is not a multiple of s, so the two equations hold together.
  const curve::ShortMultiple short_c = curve::short_multiple(c.to_limbs());
  const curve::Fs v_s = curve::Fs::from_raw(curve::limbs_from_u128(short_c.v)) * signature.s;
  const curve::Fs minus_v_s = short_c.v_negative ? v_s : -v_s;
  const curve::Point<curve::Unknown> r = short_c.v_negative ? signature.r.negate() : signature.r;
  return params.mul_pair_add_generator_var(public_key, short_c.u, r, short_c.v, minus_v_s.to_limbs()) ==
         curve::Point<curve::Unknown>::zero();
}

}  // namespace korvo::tx
