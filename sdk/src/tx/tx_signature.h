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

inline constexpr std::size_t kSigningGenerator = curve::AltJubjubBn256::kSigningGenerator;

struct TxSignature {
  Signature<curve::PrimeOrder> signature;
  // A = G*sk, kept as a point: its compression (the packed public key) costs
  // an inversion and is taken only where it is reported.
  curve::Point<curve::PrimeOrder> public_key;

  static TxSignature sign_msg(const curve::Fs& sk, std::span<const std::uint8_t> msg);

  // R in affine coordinates and S as canonical integers.
  JubjubSignature to_jubjub_signature() const;
};

// The public key G*sk, once the fresh signature `signature` of `msg` has
// verified under it; an internal failure otherwise (a fault while signing).
curve::Point<curve::PrimeOrder> public_key_from_private_with_verify(const curve::Fs& sk,
                                                                   std::span<const std::uint8_t> msg,
                                                                   const Signature<curve::PrimeOrder>& signature);

}  // namespace korvo::tx
