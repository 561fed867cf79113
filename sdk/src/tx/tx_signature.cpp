#include "tx/tx_signature.h"

#include "curve/jubjub_params.h"
#include "support/declassify.h"
#include "support/failure.h"
#include "support/secret.h"

#if defined(KORVO_FAULT_INJECTION)
#include <atomic>
#endif

namespace korvo::tx {

#if defined(KORVO_FAULT_INJECTION)
namespace {
std::atomic<bool> g_corrupt_signatures{false};
}

void corrupt_signatures(bool on) { g_corrupt_signatures = on; }
#endif

void verify_fresh_signature(const curve::Fs& sk, std::span<const std::uint8_t> msg,
                            const Signature<curve::PrimeOrder>& signature) {
  const auto& params = curve::jubjub_params();
  // A = G*sk has order s by construction, so the order checks are left out;
  // and the equation A*c + R - G*S = 0 reads G*(c*sk - S) + R = 0, which one
  // multiplication by the generator checks in full.
  curve::Fs c_sk_minus_s = challenge(msg) * sk - signature.s;
  const curve::Point<curve::PrimeOrder> generator_term = params.mul_generator_ct(c_sk_minus_s);
  wipe(c_sk_minus_s);
  declassify(generator_term);  // -R for a valid signature, from public values
  ensure(generator_term.add(signature.r, params) == curve::Point<curve::PrimeOrder>::zero(),
         "assertion failed: a fresh signature does not verify");
}

TxSignature TxSignature::sign_msg(const curve::Fs& sk, std::span<const std::uint8_t> msg) {
  Seed seed = Seed::deterministic_seed(sk, msg);
  auto signature = sign_raw_message(sk, msg, seed, curve::jubjub_params());
  wipe(seed);
#if defined(KORVO_FAULT_INJECTION)
  if (g_corrupt_signatures) signature.s += curve::Fs::one();
#endif
  declassify(signature);
  verify_fresh_signature(sk, msg, signature);
  return {signature};
}

JubjubSignature TxSignature::to_jubjub_signature() const {
  const auto [x, y] = signature.r.into_xy();
  return {{encoding::U256(x.to_limbs()), encoding::U256(y.to_limbs())}, encoding::U256(signature.s.to_limbs())};
}

}  // namespace korvo::tx
