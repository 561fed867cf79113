#include "encoding/hex.h"

namespace korvo::encoding {

int hex_digit_value(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string invalid_character_text(unsigned char c, std::size_t position) {
  std::string shown;
  if (c < 0x80) {
    shown.push_back(static_cast<char>(c));
  } else {  // U+0080..U+00FF in UTF-8
    shown.push_back(static_cast<char>(0xC0 | (c >> 6)));
    shown.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
  return "Invalid character '" + shown + "' at position " + std::to_string(position);
}

Result<std::vector<std::uint8_t>> hex_decode(std::string_view text) {
  if (text.size() % 2 != 0) return Error{"Odd number of digits"};
  std::vector<std::uint8_t> bytes(text.size() / 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const int v = hex_digit_value(c);
    if (v < 0) return Error{invalid_character_text(c, i)};
    bytes[i / 2] = static_cast<std::uint8_t>(i % 2 == 0 ? v << 4 : bytes[i / 2] | v);
  }
  return bytes;
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
