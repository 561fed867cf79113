#include "encoding/secret_hex.h"

#include "encoding/hex.h"
#include "support/declassify.h"

namespace korvo::encoding {

namespace {

// Masks: all ones or all zeros, computed without comparisons the compiler
// could turn into branches. Operands stay below 2^63.
using Mask = std::uint64_t;

constexpr Mask below(std::uint64_t a, std::uint64_t b) { return 0 - ((a - b) >> 63); }
constexpr Mask in_range(std::uint64_t x, std::uint64_t low, std::uint64_t high) {
  return ~below(x, low) & below(x, high + 1);
}
constexpr Mask equal(std::uint64_t a, std::uint64_t b) { return ~(below(a, b) | below(b, a)); }
constexpr std::uint64_t select(Mask mask, std::uint64_t when_set, std::uint64_t when_clear) {
  return (mask & when_set) | (~mask & when_clear);
}

// Hides a mask's origin from the optimiser, which could otherwise turn the
// arithmetic on it back into a branch.
inline Mask value_barrier(Mask mask) {
  asm("" : "+r"(mask));
  return mask;
}

struct Digit {
  Mask valid;
  std::uint64_t value;
};

constexpr Digit digit(unsigned char c) {
  const std::uint64_t x = c;
  const Mask decimal = in_range(x, '0', '9');
  const Mask lower = in_range(x, 'a', 'f');
  const Mask upper = in_range(x, 'A', 'F');
  return {decimal | lower | upper, (decimal & (x - '0')) | (lower & (x - 'a' + 10)) | (upper & (x - 'A' + 10))};
}

}  // namespace

Result<std::size_t> decode_secret_hex(std::string_view text, std::span<std::uint8_t> out) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };

  // One pass: the run of leading "0x" pairs ends at the first pair that is
  // anything else, and the first non-digit after it is the bad one. Nothing
  // secret enters an address or the loop's bounds: the position is counted
  // alongside, not derived from where the run ended.
  Mask in_prefix = ~Mask{0}, found = 0;
  std::uint64_t prefix_pairs = 0, position = 0, bad_position = 0, bad_byte = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i % 2 == 0) {
      const Mask pair = i + 1 < text.size() ? equal(at(i), '0') & equal(at(i + 1), 'x') : 0;
      in_prefix = value_barrier(in_prefix & pair);
      prefix_pairs += in_prefix & 1;
    }
    const Mask first_bad = value_barrier(~in_prefix & ~digit(at(i)).valid & ~found);
    bad_position = select(first_bad, position, bad_position);
    bad_byte = select(first_bad, at(i), bad_byte);
    found |= first_bad;
    position += ~in_prefix & 1;
  }
  const std::uint64_t start = 2 * prefix_pairs;

  // Digits for `out` stand at the end of the text whenever there are exactly enough.
  if (text.size() >= 2 * out.size()) {
    const std::size_t offset = text.size() - 2 * out.size();
    for (std::size_t j = 0; j < out.size(); ++j) {
      const std::uint64_t high = digit(at(offset + 2 * j)).value, low = digit(at(offset + 2 * j + 1)).value;
      out[j] = static_cast<std::uint8_t>(high << 4 | low);
    }
  }

  // What is revealed: where the digits start, and whether one is bad.
  declassify(start);
  declassify(found);
  const std::size_t digits = text.size() - start;
  if (digits % 2 != 0) return Error{"Odd number of digits"};
  if (found != 0) return Error{invalid_character_text(static_cast<unsigned char>(bad_byte), bad_position)};
  return digits / 2;
}

void append_secret_hex(std::string& out, std::span<const std::uint8_t> bytes) {
  for (const std::uint8_t b : bytes) {
    for (const std::uint64_t nibble : {std::uint64_t{b} >> 4, std::uint64_t{b} & 0xF}) {
      // '0'-'9', or 'a'-'f' 39 code points further on.
      out.push_back(static_cast<char>('0' + nibble + (below(9, nibble) & 39)));
    }
  }
}

}  // namespace korvo::encoding
