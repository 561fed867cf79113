#include "tx/eddsa.h"

#include <array>

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
                                              const Seed& seed, std::size_t generator_index,
                                              const curve::AltJubjubBn256& params, std::size_t) {
  ensure(msg.size() <= 32, "messages longer than 32 bytes cannot be signed");
  // A = G*sk always has order s, so its order check is left out.
  const auto r = params.mul_generator_ct(generator_index, seed.value);
  const curve::Fs s = challenge(msg) * sk + seed.value;
  return {r, s};
}

bool verify_for_raw_message(const curve::Point<curve::Unknown>& public_key, std::span<const std::uint8_t> msg,
                            const Signature<curve::Unknown>& signature, std::size_t generator_index,
                            const curve::AltJubjubBn256& params, std::size_t) {
  const curve::Fs c = challenge(msg);
  if (!params.in_prime_subgroup_var(public_key)) return false;
  if (!params.in_prime_subgroup_var(signature.r)) return false;
  // A*c + R - G*S = 0 as A*c + G*(-S) = -R: G has order s, so -S may stand
  // for the negated product.
  return params.mul_add_generator_var(public_key, c.into_repr(), generator_index, (-signature.s).into_repr()) ==
         signature.r.negate();
}

}  // namespace korvo::tx
