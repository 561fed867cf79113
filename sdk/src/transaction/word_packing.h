#pragma once
// Packing of record fields into the 256-bit words of a message hash, most
// significant field first. The layouts keep every word below 2^256.

#include <cstdint>

#include "encoding/u256.h"

namespace korvo::transaction {

// word * 2^width + value. A value wider than `width` adds into the bits
// above its slot, as the layouts intend.
inline encoding::U256 append_field(const encoding::U256& word, unsigned width, std::uint64_t value) {
  return (word << width) + encoding::U256::from_u64(value);
}

}  // namespace korvo::transaction
