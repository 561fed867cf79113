#pragma once
// Hexadecimal text <-> bytes, with the decoder's error texts.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/result.h"

namespace korvo::encoding {

// Value of a hex digit (0-9, a-f, A-F), or -1.
int hex_digit_value(unsigned char c);

// "Invalid character 'c' at position N"; a non-ASCII byte is shown as the
// character whose code point equals the byte's value.
std::string invalid_character_text(unsigned char c, std::size_t position);

// Decodes pairs of digits, first digit the high nibble. Errors:
// "Odd number of digits", invalid_character_text(...).
Result<std::vector<std::uint8_t>> hex_decode(std::string_view text);

// Lower-case digits, two per byte, no prefix.
std::string hex_lower(std::span<const std::uint8_t> bytes);

// Removes every leading repetition of `prefix`.
std::string_view strip_repeated(std::string_view text, std::string_view prefix);

// Removes every leading "0x", then every leading "0X".
std::string_view strip_hex_prefixes(std::string_view text);

}  // namespace korvo::encoding
