// Packed points, integer coordinates and curve points.
#include "tx/point_convert.h"

#include <gtest/gtest.h>

#include "curve/jubjub_params.h"
#include "support/failure.h"

namespace korvo::tx {
namespace {

using encoding::U256;

const U256 kR = U256::from_str("0x30644e72e131a029b85045b68181585d2833e84879b9709143e1f593f0000001").value();
const U256 kGx = U256::from_str("0x2ef3f9b423a2c8c74e9803958f6c320e854a1c1c06cd5cc8fd221dc052d76df7").value();
const U256 kGy = U256::from_str("0x05a01167ea785d3f784224644a68e4067532c815f5f6d57d984b5c0e9c6c94b7").value();
const U256 kGPacked = U256::from_str("0x85a01167ea785d3f784224644a68e4067532c815f5f6d57d984b5c0e9c6c94b7").value();

std::string failure_of(const U256& packed) {
  try {
    get_xy_from_r(packed);
  } catch (const InternalFailure& failure) {
    return failure.what();
  }
  return "no failure";
}

TEST(PointConvert, DecompressesPackedPoints) {
  const auto [x, y] = get_xy_from_r(kGPacked);
  EXPECT_EQ(fr_to_u256(x), kGx);
  EXPECT_EQ(fr_to_u256(y), kGy);
  const auto [nx, ny] = get_xy_from_r(U256::from_u64(1));
  EXPECT_TRUE(nx.is_zero());
  EXPECT_EQ(ny, curve::Fr::one());
}

TEST(PointConvert, UndecodablePackedPointsAreInternalFailures) {
  EXPECT_EQ(failure_of(kR), "RestoreRPoint(y is not in field)");
  EXPECT_EQ(failure_of(U256::from_u64(2)), "RestoreRPoint(not on curve)");
}

TEST(PointConvert, ConvertToPubkey) {
  const auto g = convert_to_pubkey(kGx, kGy);
  ASSERT_TRUE(g.ok());
  EXPECT_EQ(g.value(), curve::jubjub_params().generator(5));
  EXPECT_EQ(convert_to_pubkey(U256(), U256::from_u64(1)).value(), curve::Point<curve::Unknown>::zero());

  const auto off_curve = convert_to_pubkey(U256::from_u64(1), U256::from_u64(1));
  ASSERT_FALSE(off_curve.ok());
  EXPECT_EQ(off_curve.error().description, "could not decode public key by x and y");
  const std::string not_in_field =
      "0x30644e72e131a029b85045b68181585d2833e84879b9709143e1f593f0000001 is not an element of the field";
  EXPECT_EQ(convert_to_pubkey(kR, kGy).error().description, not_in_field);
  EXPECT_EQ(convert_to_pubkey(kGx, kR).error().description, not_in_field);
  // x is checked first.
  EXPECT_EQ(convert_to_pubkey(kR, U256::from_u64(5)).error().description, not_in_field);
}

TEST(PointConvert, PointFromXyFailsInternally) {
  EXPECT_EQ(point_from_xy(kGx, kGy), curve::jubjub_params().generator(5));
  EXPECT_THROW(point_from_xy(U256::from_u64(1), U256::from_u64(1)), InternalFailure);
  EXPECT_THROW(point_from_xy(kR, kGy), InternalFailure);
}

}  // namespace
}  // namespace korvo::tx
