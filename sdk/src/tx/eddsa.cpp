#include "tx/eddsa.h"

#include <array>
#include <type_traits>

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

template <class Subgroup>
bool verify_for_raw_message(const curve::Point<Subgroup>& public_key, std::span<const std::uint8_t> msg,
                            const Signature<Subgroup>& signature, std::size_t generator_index,
                            const curve::AltJubjubBn256& params, std::size_t) {
  const curve::Fs c = challenge(msg);
  if constexpr (std::is_same_v<Subgroup, curve::Unknown>) {
    if (!has_group_order(public_key, params)) return false;
    if (!has_group_order(signature.r, params)) return false;
  }
  const auto gs = params.mul_generator_ct(generator_index, signature.s);
  const auto p = public_key.mul_var(c.into_repr(), params).add(signature.r, params).add(gs.negate(), params);
  return p == curve::Point<curve::Unknown>::zero();
}

template bool verify_for_raw_message(const curve::Point<curve::Unknown>&, std::span<const std::uint8_t>,
                                     const Signature<curve::Unknown>&, std::size_t, const curve::AltJubjubBn256&,
                                     std::size_t);
template bool verify_for_raw_message(const curve::Point<curve::PrimeOrder>&, std::span<const std::uint8_t>,
                                     const Signature<curve::PrimeOrder>&, std::size_t,
                                     const curve::AltJubjubBn256&, std::size_t);

}  // namespace korvo::tx
