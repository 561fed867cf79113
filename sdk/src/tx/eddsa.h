#pragma once
// EdDSA on Baby JubJub over a raw 32-byte message: the message itself, read
// little-endian and reduced modulo s, is the challenge; neither R nor the
// public key is hashed into it.

#include <cstddef>
#include <cstdint>
#include <span>

#include "curve/fs.h"
#include "curve/jubjub_params.h"
#include "curve/point.h"
#include "tx/deterministic_seed.h"

namespace korvo::tx {

template <class Subgroup>
struct Signature {
  curve::Point<Subgroup> r;  // extended coordinates as computed, not normalised
  curve::Fs s;
};

// The challenge: the message zero-padded (or cut) to 32 bytes, read
// little-endian, reduced modulo s.
curve::Fs challenge(std::span<const std::uint8_t> msg);

// R = r*G and S = c*sk + r, with G the signing generator. Both
// multiplications by secrets run in constant time. Messages longer than 32
// bytes are rejected as an internal failure.
Signature<curve::PrimeOrder> sign_raw_message(const curve::Fs& sk, std::span<const std::uint8_t> msg,
                                              const Seed& seed, const curve::AltJubjubBn256& params);

// True when A and R have order s and A*c + R - G*S is the neutral point.
// Variable time: every input is public.
bool verify_for_raw_message(const curve::Point<curve::Unknown>& public_key, std::span<const std::uint8_t> msg,
                            const Signature<curve::Unknown>& signature, const curve::AltJubjubBn256& params);

}  // namespace korvo::tx
