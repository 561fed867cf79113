#include "encoding/hex.h"

#include "encoding/input_excerpt.h"

namespace korvo::encoding {

int hex_digit_value(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string invalid_character_text(unsigned char c, std::size_t position) {
  return "Invalid character '" + shown_byte(c) + "' at position " + std::to_string(position);
}

std::string hex_lower(std::span<const std::uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (std::uint8_t b : bytes) {
    out.push_back(kDigits[b >> 4]);
    out.push_back(kDigits[b & 0xF]);
  }
  return out;
}

std::string_view strip_repeated(std::string_view text, std::string_view prefix) {
  while (text.starts_with(prefix)) text.remove_prefix(prefix.size());
  return text;
}

std::string_view strip_hex_prefixes(std::string_view text) {
  return strip_repeated(strip_repeated(text, "0x"), "0X");
}

}  // namespace korvo::encoding
