#include "tx/tx_signature.h"

#include "curve/jubjub_params.h"
#include "support/failure.h"
#include "support/secret.h"

namespace korvo::tx {

encoding::U256 public_key_from_private_with_verify(const curve::Fs& sk, std::span<const std::uint8_t> msg,
                                                   const Signature<curve::PrimeOrder>& signature) {
  const auto& params = curve::jubjub_params();
  const auto public_key = params.mul_generator_ct(kSigningGenerator, sk);
  ensure(verify_for_raw_message(public_key, msg, signature, kSigningGenerator, params, msg.size()),
         "assertion failed: a fresh signature does not verify");
  return encoding::U256::from_little_endian(public_key.to_bytes());
}

TxSignature TxSignature::sign_msg(const curve::Fs& sk, std::span<const std::uint8_t> msg) {
  Seed seed = Seed::deterministic_seed(sk, msg);
  const auto signature = sign_raw_message(sk, msg, seed, kSigningGenerator, curve::jubjub_params(), msg.size());
  wipe(seed);
  return {signature, public_key_from_private_with_verify(sk, msg, signature)};
}

JubjubSignature TxSignature::to_jubjub_signature() const {
  const auto [x, y] = signature.r.into_xy();
  return {{encoding::U256(x.into_repr()), encoding::U256(y.into_repr())}, encoding::U256(signature.s.into_repr())};
}

}  // namespace korvo::tx
