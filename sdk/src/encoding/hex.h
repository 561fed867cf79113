#pragma once
// Hexadecimal text of public values: digits, formatting and the decoder's
// error text. Secrets have their own, constant-time forms (secret_hex.h).

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace korvo::encoding {

// Value of a hex digit (0-9, a-f, A-F), or -1.
int hex_digit_value(unsigned char c);

// "Invalid character 'c' at position N", the byte shown as shown_byte() does:
// a non-ASCII byte as the character whose code point equals its value, a
// control byte escaped.
std::string invalid_character_text(unsigned char c, std::size_t position);

// Lower-case digits, two per byte, no prefix.
std::string hex_lower(std::span<const std::uint8_t> bytes);

// Removes every leading repetition of `prefix`.
std::string_view strip_repeated(std::string_view text, std::string_view prefix);

// Removes every leading "0x", then every leading "0X".
std::string_view strip_hex_prefixes(std::string_view text);

}  // namespace korvo::encoding
