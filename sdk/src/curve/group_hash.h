#pragma once
// Hashing a tag to a point of the prime-order subgroup: BLAKE2s with an
// 8-byte personalisation over a fixed first block and the tag, decompressed
// and multiplied by the cofactor; a counter byte selects the next try.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "curve/point.h"

namespace korvo::curve {

// BLAKE2s-256 (no key, zero salt) over the first block followed by `tag`.
// A personalisation of any length but 8 is an internal failure.
std::array<std::uint8_t, 32> group_hash_digest(std::span<const std::uint8_t> tag,
                                               std::span<const std::uint8_t> personalization);

// One try; `tag` already ends with the counter byte. Nothing when the digest
// does not decode or clears to the neutral point.
std::optional<Point<PrimeOrder>> baby_group_hash(std::span<const std::uint8_t> tag,
                                                 std::span<const std::uint8_t> personalization,
                                                 const JubjubParams& params);

// Appends a counter byte 0, 1, ... to `tag` until a try succeeds; counter 255
// is an internal failure.
Point<PrimeOrder> find_group_hash(std::span<const std::uint8_t> tag, std::span<const std::uint8_t> personalization,
                                  const JubjubParams& params);

}  // namespace korvo::curve
