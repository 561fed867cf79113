#pragma once
// The verification form of a signature: R as a point, S as a scalar.

#include <cstdint>
#include <span>

#include "encoding/u256.h"
#include "tx/eddsa.h"
#include "tx/jubjub_signature.h"

namespace korvo::tx {

// R must be a curve point with coordinates below r and S must be below s;
// anything else is an internal failure.
Signature<curve::Unknown> packed_signature(const JubjubSignature& signature);

// Reads 32 bytes as a little-endian integer.
encoding::U256 le_to_u256(std::span<const std::uint8_t, 32> bytes);

}  // namespace korvo::tx
