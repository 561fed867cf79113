#include "encoding/u256.h"

#include <gtest/gtest.h>

#include "support/failure.h"

namespace korvo::encoding {
namespace {

std::string parse_error(std::string_view text) {
  auto r = U256::from_str(text);
  EXPECT_FALSE(r.ok()) << text;
  return r.ok() ? "" : r.error().description;
}

U256 parse(std::string_view text) {
  auto r = U256::from_str(text);
  EXPECT_TRUE(r.ok()) << text << ": " << (r.ok() ? "" : r.error().description);
  return r.ok() ? r.value() : U256();
}

TEST(U256HexParsing, AcceptsPrefixCaseAndOddLengths) {
  EXPECT_EQ(parse("abc"), U256::from_u64(0xabc));
  EXPECT_EQ(parse("0xABC"), parse("0xabc"));
  EXPECT_EQ(parse(""), U256());
  EXPECT_EQ(parse("0x"), U256());
  EXPECT_EQ(parse("0x" + std::string(64, 'f')), U256(U256::Limbs{~0ull, ~0ull, ~0ull, ~0ull}));
  EXPECT_EQ(parse("1" + std::string(48, '0')), U256(U256::Limbs{0, 0, 0, 1}));
}

TEST(U256HexParsing, ReportsErrorsInPaddedPositions) {
  EXPECT_EQ(parse_error(std::string(65, '1')), "Invalid string length");
  EXPECT_EQ(parse_error("0x" + std::string(65, '1')), "Invalid string length");
  EXPECT_EQ(parse_error("0X12"), "Invalid character 'X' at position 1");
  EXPECT_EQ(parse_error("0X1"), "Invalid character 'X' at position 2");
  EXPECT_EQ(parse_error("0x1g3"), "Invalid character 'g' at position 2");
  EXPECT_EQ(parse_error("g"), "Invalid character 'g' at position 1");
  EXPECT_EQ(parse_error("0x0x1"), "Invalid character 'x' at position 2");
  EXPECT_EQ(parse_error("\xe9" "0"), "Invalid character '\xc3\xa9' at position 0");
  EXPECT_EQ(parse_error(std::string_view("\0", 1)), "Invalid character '\\0' at position 1");
}

TEST(U256Text, FixedWidthLowerCase) {
  EXPECT_EQ(U256().to_hex(), "0x" + std::string(64, '0'));
  EXPECT_EQ(U256::from_u64(1).to_hex(), "0x" + std::string(63, '0') + "1");
  EXPECT_EQ(parse("0xABCDEF").to_hex(), "0x" + std::string(58, '0') + "abcdef");
}

TEST(U256Bytes, LittleAndBigEndian) {
  const U256 v(U256::Limbs{0x0706050403020100ull, 0, 0, 0x1f1e1d1c1b1a1918ull});
  const auto le = v.to_le_bytes();
  EXPECT_EQ(le[0], 0x00);
  EXPECT_EQ(le[7], 0x07);
  EXPECT_EQ(le[31], 0x1f);
  EXPECT_EQ(U256::from_le_bytes(le), v);
  EXPECT_EQ(v.to_be_bytes()[0], 0x1f);
  const std::uint8_t three[] = {1, 2, 3};
  EXPECT_EQ(U256::from_le_bytes(three), U256::from_u64(0x030201));
  const std::array<std::uint8_t, 33> too_long{};
  EXPECT_THROW(U256::from_le_bytes(too_long), InternalFailure);
}

TEST(U256Arithmetic, ShiftDropsHighBits) {
  const U256 one = U256::from_u64(1);
  EXPECT_EQ(one << 256, U256());
  EXPECT_EQ(one << 1000, U256());
  EXPECT_EQ(one << 255, U256(U256::Limbs{0, 0, 0, 1ull << 63}));
  EXPECT_EQ(U256::from_u64(3) << 255, U256(U256::Limbs{0, 0, 0, 1ull << 63}));
  EXPECT_EQ(U256::from_u64(0x8000000000000001ull) << 64, U256(U256::Limbs{0, 0x8000000000000001ull, 0, 0}));
  EXPECT_EQ(U256::from_u64(0x8000000000000001ull) << 1, U256(U256::Limbs{2, 1, 0, 0}));
}

TEST(U256Arithmetic, OverflowIsAnInternalFailure) {
  U256 max(U256::Limbs{~0ull, ~0ull, ~0ull, ~0ull});
  try {
    max += U256::from_u64(1);
    FAIL() << "no overflow reported";
  } catch (const InternalFailure& f) {
    EXPECT_STREQ(f.what(), "arithmetic operation overflow");
  }
  EXPECT_EQ(U256::from_u64(~0ull) + U256::from_u64(1), U256(U256::Limbs{0, 1, 0, 0}));
  EXPECT_EQ(U256::from_u128(static_cast<unsigned __int128>(1) << 100) * U256::from_u128(static_cast<unsigned __int128>(1) << 100),
            U256::from_u64(1) << 200);
  EXPECT_THROW((U256::from_u64(1) << 128) * (U256::from_u64(1) << 128), InternalFailure);
}

TEST(U256Conversions, NegativeI128IsAnInternalFailure) {
  EXPECT_EQ(U256::from_i128(5), U256::from_u64(5));
  try {
    (void)U256::from_i128(-1);
    FAIL();
  } catch (const InternalFailure& f) {
    EXPECT_STREQ(f.what(), "Unsigned integer can't be created from negative value");
  }
}

}  // namespace
}  // namespace korvo::encoding
