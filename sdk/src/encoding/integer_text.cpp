#include "encoding/integer_text.h"

#include <limits>

#include "encoding/hex.h"

namespace korvo::encoding {

namespace {

constexpr const char* kEmpty = "cannot parse integer from empty string";
constexpr const char* kInvalidDigit = "invalid digit found in string";
constexpr const char* kTooLarge = "number too large to fit in target type";
constexpr const char* kTooSmall = "number too small to fit in target type";

int decimal_digit_value(unsigned char c) { return c >= '0' && c <= '9' ? c - '0' : -1; }

// Accumulates the digits left to right into a magnitude of at most `limit`.
// Errors come in reading order: a bad character before the digit that would
// overflow is reported as a bad character, and the reverse.
template <class Magnitude>
Result<Magnitude> accumulate(std::string_view digits, unsigned radix, int (*digit_value)(unsigned char),
                             Magnitude limit, const char* overflow) {
  if (digits.empty()) return Error{kInvalidDigit};  // a lone sign
  Magnitude value = 0;
  for (char ch : digits) {
    const int d = digit_value(static_cast<unsigned char>(ch));
    if (d < 0) return Error{kInvalidDigit};
    if (value > (limit - static_cast<Magnitude>(d)) / radix) return Error{overflow};
    value = value * radix + static_cast<Magnitude>(d);
  }
  return value;
}

template <class T>
Result<T> parse_unsigned_decimal(std::string_view text) {
  if (text.empty()) return Error{kEmpty};
  if (text.front() == '+') text.remove_prefix(1);
  return accumulate<T>(text, 10, decimal_digit_value, std::numeric_limits<T>::max(), kTooLarge);
}

}  // namespace

Result<std::uint64_t> parse_u64_decimal(std::string_view text) { return parse_unsigned_decimal<std::uint64_t>(text); }

Result<std::uint32_t> parse_u32_decimal(std::string_view text) { return parse_unsigned_decimal<std::uint32_t>(text); }

Result<unsigned __int128> parse_u128_decimal(std::string_view text) {
  return parse_unsigned_decimal<unsigned __int128>(text);
}

Result<__int128> parse_i128_hex(std::string_view text) {
  using Magnitude = unsigned __int128;
  if (text.empty()) return Error{kEmpty};
  const bool negative = text.front() == '-';
  if (negative || text.front() == '+') text.remove_prefix(1);
  const Magnitude max_positive = ~Magnitude{0} >> 1;  // 2^127 - 1
  auto magnitude = accumulate<Magnitude>(text, 16, hex_digit_value, negative ? max_positive + 1 : max_positive,
                                         negative ? kTooSmall : kTooLarge);
  if (!magnitude) return magnitude.error();
  // Two's complement negation also maps 2^127 onto the minimum.
  const Magnitude bits = negative ? ~magnitude.value() + 1 : magnitude.value();
  return static_cast<__int128>(bits);
}

}  // namespace korvo::encoding
