// Where the time of one signature goes: nonce, multiplications by the
// generator, the check of the fresh signature, the affine conversion
// and the whole TxSignature::sign_msg; and the verification of a signature.

#include <cstdio>

#include "curve/jubjub_params.h"
#include "encoding/u256.h"
#include "median.h"
#include "tx/deterministic_seed.h"
#include "tx/eddsa.h"
#include "tx/private_key.h"
#include "tx/tx_signature.h"

int main() {
  using namespace korvo;
  using bench::median_ns;
  using bench::sink;

  const auto& params = curve::jubjub_params();
  const curve::Fs sk = *tx::private_key_from_string("0x05a094d3d2a9dda4bc15cd7a5219df3291dac11804fe70aacc03cbf0163884fd").value();
  const auto msg = encoding::U256::from_str("0x2b3c4d5e6f708192a3b4c5d6e7f8091a2b3c4d5e6f708192a3b4c5d6e7f8091").value().to_le_bytes();
  const auto fresh = tx::TxSignature::sign_msg(sk, msg);
  const curve::Point<curve::Unknown> public_key = params.mul_generator_ct(sk);
  const tx::Signature<curve::Unknown> signature{fresh.signature.r, fresh.signature.s};

  const double nonce = median_ns(51, 100, [&] { sink = tx::Seed::deterministic_seed(sk, msg).value.to_limbs()[0]; });
  const double fixed = median_ns(51, 50, [&] { sink = params.mul_generator_ct(sk).x().to_limbs()[0]; });
  const double raw = median_ns(51, 50, [&] {
    sink = tx::sign_raw_message(sk, msg, tx::Seed{sk}, params).s.to_limbs()[0];
  });
  const double fresh_check = median_ns(51, 20, [&] {
    tx::verify_fresh_signature(sk, msg, fresh.signature);
  });
  const double affine = median_ns(51, 100, [&] { sink = fresh.signature.r.into_xy().first.to_limbs()[0]; });
  const double sign_msg = median_ns(51, 20, [&] { sink = tx::TxSignature::sign_msg(sk, msg).signature.s.to_limbs()[0]; });
  const double to_record = median_ns(51, 100, [&] { sink = fresh.to_jubjub_signature().s.limb(0); });
  const double verify = median_ns(21, 10, [&] {
    sink = tx::verify_for_raw_message(public_key, msg, signature, params);
  });

  std::printf("nonce (HMAC candidates):          %8.2f us\n", nonce / 1e3);
  std::printf("fixed-base multiplication:        %8.2f us\n", fixed / 1e3);
  std::printf("sign_raw_message (R, S):          %8.2f us\n", raw / 1e3);
  std::printf("fresh-signature check:            %8.2f us\n", fresh_check / 1e3);
  std::printf("affine conversion of R:           %8.2f us\n", affine / 1e3);
  std::printf("TxSignature::sign_msg:            %8.2f us\n", sign_msg / 1e3);
  std::printf("to JubjubSignature:               %8.2f us\n", to_record / 1e3);
  std::printf("verify_for_raw_message:           %8.2f us\n", verify / 1e3);
}
