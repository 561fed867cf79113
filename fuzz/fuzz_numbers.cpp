// Feeds arbitrary text to the numeric text parsers: 256-bit hex, the hex byte
// decoder, the unsigned decimal parsers and the signed hex parser, directly
// and through the field encodings. Each must succeed exactly on the texts of
// its shape, with the value those digits spell, and give back that value when
// its own formatted text is parsed again.

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "encoding/field_encodings.h"
#include "encoding/hex.h"
#include "encoding/integer_text.h"
#include "encoding/secret_hex.h"
#include "encoding/u256.h"
#include "text_shapes.h"

namespace {

using fuzz::check;
using namespace korvo::encoding;
using u128 = unsigned __int128;

int digit_value(char c) {
  if (fuzz::is_decimal(c)) return c - '0';
  return (c | 0x20) - 'a' + 10;
}

bool starts_with(const std::string& text, std::string_view prefix) { return text.rfind(prefix, 0) == 0; }

void u256_text(std::string_view text) {
  std::string_view digits;
  const bool shaped = fuzz::u256_digits(text, digits);
  const auto value = U256::from_str(text);
  check(value.ok() == shaped);
  check(U256SerdeAsRadix16Prefix0xString::parse(text).ok() == shaped);
  check(HexKeyString::parse(text).ok() == shaped);
  if (!shaped) {
    check(value.error().description == "Invalid string length" ||
          starts_with(value.error().description, "Invalid character '"));
    check(starts_with(U256SerdeAsRadix16Prefix0xString::parse(text).error().description,
                      "u256 from string error: " + value.error().description));
    return;
  }
  const std::string formatted = value.value().to_hex();
  check(formatted == "0x" + fuzz::padded64(digits));
  check(U256::from_str(formatted).value() == value.value());
}

// Secret hex: every leading "0x" dropped, then digit pairs; 32 bytes round-trip.
void secret_hex_bytes(std::string_view text) {
  const std::string_view digits = fuzz::without_all(text, "0x");
  std::array<std::uint8_t, 32> bytes{};
  const auto count = decode_secret_hex(text, bytes);
  check(count.ok() == (digits.size() % 2 == 0 && fuzz::all_hex(digits)));
  if (!count) return;
  check(count.value() == digits.size() / 2);
  if (count.value() != bytes.size()) return;
  std::string formatted;
  formatted.reserve(64);
  append_secret_hex(formatted, bytes);
  check(formatted == fuzz::lower(digits));
  check(hex_lower(bytes) == formatted);
}

// Decimal digits of v, most significant first.
std::string decimal(u128 v) {
  std::string out;
  do {
    out.insert(out.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
    v /= 10;
  } while (v != 0);
  return out;
}

// Reads an optional '+' and digits as the parser should: the first character
// that is not a digit, or the first digit that passes `max`, decides.
template <class T>
void unsigned_decimal(std::string_view text, korvo::Result<T> (*parse)(std::string_view)) {
  const auto parsed = parse(text);
  std::string expected_error;
  u128 value = 0;
  std::string_view digits = text;
  if (!digits.empty() && digits[0] == '+') digits.remove_prefix(1);
  if (text.empty()) {
    expected_error = "cannot parse integer from empty string";
  } else if (digits.empty()) {
    expected_error = "invalid digit found in string";
  }
  for (char c : digits) {
    if (!expected_error.empty()) break;
    if (!fuzz::is_decimal(c)) {
      expected_error = "invalid digit found in string";
    } else if (value > (std::numeric_limits<T>::max() - static_cast<u128>(c - '0')) / 10) {
      expected_error = "number too large to fit in target type";
    } else {
      value = value * 10 + static_cast<u128>(c - '0');
    }
  }
  if (!expected_error.empty()) {
    check(!parsed.ok() && parsed.error().description == expected_error);
    return;
  }
  check(parsed.ok() && parsed.value() == value);
  check(parse(decimal(parsed.value())).value() == parsed.value());
}

// The signed hex parser after the encoding's "0x" removal.
void signed_hex(std::string_view text) {
  const auto parsed = I128SerdeAsRadix16Prefix0xString::parse(text);
  std::string_view rest = fuzz::without_all(text, "0x");
  const bool negative = !rest.empty() && rest[0] == '-';
  if (!rest.empty() && (rest[0] == '-' || rest[0] == '+')) rest.remove_prefix(1);
  const u128 limit = (u128{1} << 127) - (negative ? 0 : 1);
  bool shaped = !rest.empty();
  u128 magnitude = 0;
  for (char c : rest) {
    if (!fuzz::is_hex(c) || magnitude > (limit - static_cast<u128>(digit_value(c))) / 16) {
      shaped = false;
      break;
    }
    magnitude = magnitude * 16 + static_cast<u128>(digit_value(c));
  }
  check(parsed.ok() == shaped);
  if (!shaped) {
    check(starts_with(parsed.error().description, "decode hex string error: "));
    return;
  }
  const u128 bits = negative ? ~magnitude + 1 : magnitude;
  check(static_cast<u128>(parsed.value()) == bits);
  std::string formatted;
  for (u128 m = magnitude; m != 0 || formatted.empty(); m /= 16) formatted.insert(formatted.begin(), "0123456789abcdef"[m % 16]);
  check(parse_i128_hex((negative ? "-" : "") + formatted).value() == parsed.value());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  u256_text(text);
  secret_hex_bytes(text);
  unsigned_decimal<std::uint64_t>(text, parse_u64_decimal);
  unsigned_decimal<std::uint32_t>(text, parse_u32_decimal);
  unsigned_decimal<u128>(text, parse_u128_decimal);
  check(U64SerdeAsString::parse(text).ok() == parse_u64_decimal(text).ok());
  check(U32SerdeAsString::parse(text).ok() == parse_u32_decimal(text).ok());
  check(U128SerdeAsString::parse(text).ok() == parse_u128_decimal(text).ok());
  signed_hex(text);
  return 0;
}
