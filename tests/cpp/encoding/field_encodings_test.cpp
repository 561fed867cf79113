#include "encoding/field_encodings.h"

#include <gtest/gtest.h>

#include <string>

#include "encoding/integer_text.h"

namespace korvo::encoding {
namespace {

template <class Encoding>
std::string error_of(std::string_view text) {
  auto parsed = Encoding::parse(text);
  EXPECT_FALSE(parsed.ok()) << text;
  return parsed.ok() ? std::string() : parsed.error().description;
}

template <class Encoding>
typename Encoding::Value value_of(std::string_view text) {
  auto parsed = Encoding::parse(text);
  EXPECT_TRUE(parsed.ok()) << text << ": " << (parsed.ok() ? "" : parsed.error().description);
  return parsed.ok() ? parsed.value() : typename Encoding::Value{};
}

constexpr const char* kEmpty = "cannot parse integer from empty string";
constexpr const char* kInvalid = "invalid digit found in string";
constexpr const char* kTooLarge = "number too large to fit in target type";
constexpr const char* kTooSmall = "number too small to fit in target type";

unsigned __int128 u128(std::uint64_t high, std::uint64_t low) {
  return (static_cast<unsigned __int128>(high) << 64) | low;
}

TEST(DecimalText, AcceptsOnlyAnOptionalPlusAndDigits) {
  EXPECT_EQ(parse_u64_decimal("+7").value(), 7u);
  EXPECT_EQ(parse_u64_decimal("0007").value(), 7u);
  EXPECT_EQ(parse_u64_decimal("18446744073709551615").value(), ~std::uint64_t{0});
  EXPECT_EQ(parse_u64_decimal("").error().description, kEmpty);
  for (const char* text : {" 7", "7 ", "7.0", "-0", "0x7", "+", "-", "++1", "1_000", "\xd9\xa1"}) {
    EXPECT_EQ(parse_u64_decimal(text).error().description, kInvalid) << text;
  }
  EXPECT_EQ(parse_u64_decimal("18446744073709551616").error().description, kTooLarge);
  EXPECT_EQ(parse_u64_decimal("99999999999999999999").error().description, kTooLarge);
  // Errors arise in reading order: overflow at a digit before a bad character, and the reverse.
  EXPECT_EQ(parse_u64_decimal("184467440737095516160x").error().description, kTooLarge);
  EXPECT_EQ(parse_u64_decimal("1x84467440737095516160").error().description, kInvalid);
}

TEST(DecimalText, WidthsOf32And128Bits) {
  EXPECT_EQ(parse_u32_decimal("4294967295").value(), 0xffffffffu);
  EXPECT_EQ(parse_u32_decimal("4294967296").error().description, kTooLarge);
  EXPECT_EQ(parse_u128_decimal("340282366920938463463374607431768211455").value(), u128(~0ull, ~0ull));
  EXPECT_EQ(parse_u128_decimal("340282366920938463463374607431768211456").error().description, kTooLarge);
  EXPECT_EQ(parse_u128_decimal("18446744073709551616").value(), u128(1, 0));
}

TEST(SignedHexText, SignDigitsAndRange) {
  EXPECT_EQ(parse_i128_hex("ff").value(), 255);
  EXPECT_EQ(parse_i128_hex("+Ff").value(), 255);
  EXPECT_EQ(parse_i128_hex("-ff").value(), -255);
  const __int128 max = static_cast<__int128>(u128(0x7fffffffffffffffull, ~0ull));
  EXPECT_EQ(parse_i128_hex("7fffffffffffffffffffffffffffffff").value(), max);
  EXPECT_EQ(parse_i128_hex("-80000000000000000000000000000000").value(), -max - 1);
  EXPECT_EQ(parse_i128_hex("80000000000000000000000000000000").error().description, kTooLarge);
  EXPECT_EQ(parse_i128_hex("-80000000000000000000000000000001").error().description, kTooSmall);
  EXPECT_EQ(parse_i128_hex("").error().description, kEmpty);
  for (const char* text : {"-", "+", "0x1", "1g", " 1", "--1"}) {
    EXPECT_EQ(parse_i128_hex(text).error().description, kInvalid) << text;
  }
}

TEST(FieldEncodings, PrefixTheirErrors) {
  EXPECT_EQ(error_of<U64SerdeAsString>("7.0"), "u64 from string error: invalid digit found in string");
  EXPECT_EQ(error_of<U64SerdeAsString>(""), "u64 from string error: cannot parse integer from empty string");
  EXPECT_EQ(error_of<U32SerdeAsString>("4294967296"), "u64 from string error: number too large to fit in target type");
  EXPECT_EQ(error_of<U128SerdeAsString>("-1"), "decode u128 string error: invalid digit found in string");
  EXPECT_EQ(error_of<I128SerdeAsRadix16Prefix0xString>("-0xff"), "decode hex string error: invalid digit found in string");
  EXPECT_EQ(error_of<I128SerdeAsRadix16Prefix0xString>("0x"), "decode hex string error: cannot parse integer from empty string");
  EXPECT_EQ(error_of<U256SerdeAsRadix16Prefix0xString>("0x1g3"), "u256 from string error: Invalid character 'g' at position 2");
  EXPECT_EQ(error_of<U256SerdeAsRadix16Prefix0xString>(std::string(65, '1')), "u256 from string error: Invalid string length");
  // Packed keys report the bare hex error.
  EXPECT_EQ(error_of<HexKeyString>("0xg"), "Invalid character 'g' at position 1");
  EXPECT_EQ(error_of<HexKeyString>("0X1"), "Invalid character 'X' at position 2");
}

TEST(FieldEncodings, ReadTheirValues) {
  EXPECT_EQ(value_of<U128SerdeAsString>("+18446744073709551616"), u128(1, 0));
  // Every leading "0x" goes before the sign is read.
  EXPECT_EQ(value_of<I128SerdeAsRadix16Prefix0xString>("0x0x-ff"), -255);
  EXPECT_EQ(value_of<I128SerdeAsRadix16Prefix0xString>("0x0x1f"), 31);
  EXPECT_EQ(value_of<U256SerdeAsRadix16Prefix0xString>("0xABC"), U256::from_u64(0xabc));
  EXPECT_EQ(value_of<U256SerdeAsRadix16Prefix0xString>("0x"), U256());
  EXPECT_EQ(value_of<HexKeyString>("abc"), U256::from_u64(0xabc));
}

}  // namespace
}  // namespace korvo::encoding
