#pragma once
// Hex text of secrets (private keys). Branches and memory accesses depend on
// the text's length only, never on its characters; the outcome of decoding
// is decided once, after the whole text has been read.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "support/result.h"

namespace korvo::encoding {

// The digits of `text` after every leading "0x", decoded in pairs (first digit
// the high nibble). Returns the number of bytes they make; `out` holds those
// bytes when that number is out.size(), and is to be wiped in any case.
// Errors, in this order: "Odd number of digits", then invalid_character_text()
// of the first character that is not a digit, its position counted after the
// prefixes.
Result<std::size_t> decode_secret_hex(std::string_view text, std::span<std::uint8_t> out);

// Appends two lower-case digits per byte to `out`, whose capacity the caller
// reserves so that no partial copy of the text is left in a freed buffer.
void append_secret_hex(std::string& out, std::span<const std::uint8_t> bytes);

}  // namespace korvo::encoding
