#pragma once
// Signing as the SDK does it: deterministic nonce, generator 5 of the shared
// parameters, and a verification of every fresh signature before it leaves.

#include <cstdint>
#include <span>

#include "curve/fs.h"
#include "encoding/u256.h"
#include "tx/eddsa.h"
#include "tx/jubjub_signature.h"

namespace korvo::tx {

// The public key A = G*sk is not part of it: only the layer-1 signature
// reports it, and computes it there.
struct TxSignature {
  Signature<curve::PrimeOrder> signature;

  static TxSignature sign_msg(const curve::Fs& sk, std::span<const std::uint8_t> msg);

  // R in affine coordinates and S as canonical integers.
  JubjubSignature to_jubjub_signature() const;
};

// An internal failure unless the fresh signature `signature` of `msg`
// verifies under G*sk (a fault while signing).
void verify_fresh_signature(const curve::Fs& sk, std::span<const std::uint8_t> msg,
                            const Signature<curve::PrimeOrder>& signature);

#if defined(KORVO_FAULT_INJECTION)
// Test builds only: while on, sign_msg adds one to S before the self-check.
void corrupt_signatures(bool on);
#endif

}  // namespace korvo::tx
