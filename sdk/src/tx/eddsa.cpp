#include "tx/eddsa.h"

#include <array>

#include "support/failure.h"
#include "support/secret.h"

namespace korvo::tx {

namespace {

bool has_group_order(const curve::Point<curve::Unknown>& point, const curve::AltJubjubBn256& params) {
  return point.mul_var(curve::Fs::char_(), params) == curve::Point<curve::Unknown>::zero();
}

}  // namespace

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

bool signature_equation_holds(const curve::Point<curve::Unknown>& a_times_c, const curve::Point<curve::Unknown>& r,
                              const curve::Fs& s, std::size_t generator_index, const curve::AltJubjubBn256& params) {
  const curve::Point<curve::Unknown> gs = params.mul_generator_ct(generator_index, s);
  return a_times_c.add(r, params).add(gs.negate(), params) == curve::Point<curve::Unknown>::zero();
}

bool verify_for_raw_message(const curve::Point<curve::Unknown>& public_key, std::span<const std::uint8_t> msg,
                            const Signature<curve::Unknown>& signature, std::size_t generator_index,
                            const curve::AltJubjubBn256& params, std::size_t) {
  const curve::Fs c = challenge(msg);
  if (!has_group_order(public_key, params)) return false;
  if (!has_group_order(signature.r, params)) return false;
  return signature_equation_holds(public_key.mul_var(c.into_repr(), params), signature.r, signature.s,
                                  generator_index, params);
}

}  // namespace korvo::tx
