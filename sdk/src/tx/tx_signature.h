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
  encoding::U256 packed_public_key;

  static TxSignature sign_msg(const curve::Fs& sk, std::span<const std::uint8_t> msg);

  // R in affine coordinates and S as canonical integers.
  JubjubSignature to_jubjub_signature() const;
};

// The packed key of sk, once the signature `signature` of `msg` has verified
// under it; an internal failure otherwise (a fault while signing).
encoding::U256 public_key_from_private_with_verify(const curve::Fs& sk, std::span<const std::uint8_t> msg,
                                                   const Signature<curve::PrimeOrder>& signature);

}  // namespace korvo::tx
