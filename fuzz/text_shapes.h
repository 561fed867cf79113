#pragma once
// The accepted shapes of the SDK's text inputs, written out here apart from
// the parsers so that a target can tell whether a parser should have
// succeeded. Kept deliberately plain: each rule reads like its description.

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

namespace fuzz {

inline void check(bool condition) {
  if (!condition) std::abort();
}

inline bool is_hex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
inline bool is_decimal(char c) { return c >= '0' && c <= '9'; }

inline bool all_hex(std::string_view text) {
  for (char c : text) {
    if (!is_hex(c)) return false;
  }
  return true;
}

inline std::string lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

inline std::string_view without_all(std::string_view text, std::string_view prefix) {
  while (text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix) text.remove_prefix(prefix.size());
  return text;
}

// 256-bit hex number text: one optional lower-case "0x", then at most 64
// digits (none is zero). Returns the digits, or nothing.
inline bool u256_digits(std::string_view text, std::string_view& digits) {
  if (text.size() >= 2 && text[0] == '0' && text[1] == 'x') text.remove_prefix(2);
  if (text.size() > 64 || !all_hex(text)) return false;
  digits = text;
  return true;
}

// The key inputs drop every leading "0x", then every leading "0X".
inline std::string_view without_key_prefixes(std::string_view text) {
  return without_all(without_all(text, "0x"), "0X");
}

inline std::string hex_of(std::span<const std::uint8_t> bytes) {
  std::string out;
  for (std::uint8_t b : bytes) {
    out += "0123456789abcdef"[b >> 4];
    out += "0123456789abcdef"[b & 15];
  }
  return out;
}

// 64 lower-case digits, zero-padded on the left.
inline std::string padded64(std::string_view digits) { return std::string(64 - digits.size(), '0') + lower(digits); }

// The order of the prime-order subgroup of the curve, in 64 digits.
inline constexpr std::string_view kSubgroupOrder = "060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1";

// Private key text: every leading "0x" dropped, then exactly 64 digits whose
// value is below the subgroup order.
inline bool private_key_shape(std::string_view text) {
  text = without_all(text, "0x");
  return text.size() == 64 && all_hex(text) && lower(text) < kSubgroupOrder;
}

}  // namespace fuzz
