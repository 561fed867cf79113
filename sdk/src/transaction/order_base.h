#pragma once
// The header shared by withdrawals, transfers and limit orders. It is never
// an object of its own: its keys stand among the record's own keys.

#include <cstdint>

#include "encoding/u256.h"

namespace korvo::transaction {

// A packed public key as records hold it: the little-endian value of the
// point's 32-byte compression.
using PackedPublicKeyValue = encoding::U256;

struct OrderBase {
  std::uint64_t nonce = 0;
  PackedPublicKeyValue public_key;
  std::uint32_t expiration_timestamp = 0;
};

}  // namespace korvo::transaction
