// Packed points, integer coordinates and curve points.
#include "tx/point_convert.h"

#include <gtest/gtest.h>

#include "curve/jubjub_params.h"
#include "support/failure.h"
#include "tx/packed_signature.h"

namespace korvo::tx {
namespace {

using encoding::U256;

U256 hex(const char* text) { return U256::from_str(text).value(); }

const U256 kR = hex("0x30644e72e131a029b85045b68181585d2833e84879b9709143e1f593f0000001");
const U256 kGx = hex("0x2ef3f9b423a2c8c74e9803958f6c320e854a1c1c06cd5cc8fd221dc052d76df7");
const U256 kGy = hex("0x05a01167ea785d3f784224644a68e4067532c815f5f6d57d984b5c0e9c6c94b7");

template <class Run>
std::string failure_of(Run run) {
  try {
    run();
  } catch (const InternalFailure& failure) {
    return failure.what();
  }
  return "no failure";
}

std::string failure_of(const U256& packed) {
  return failure_of([&] { get_xy_from_r(packed); });
}

TEST(PointConvert, PackedPoints) {
  const auto [x, y] = get_xy_from_r(hex("0x85a01167ea785d3f784224644a68e4067532c815f5f6d57d984b5c0e9c6c94b7"));
  EXPECT_EQ(fr_to_u256(x), kGx);
  EXPECT_EQ(fr_to_u256(y), kGy);
  EXPECT_EQ(failure_of(kR), "RestoreRPoint(y is not in field)");
  // Bit 255 is the parity of x, not part of y.
  EXPECT_EQ(failure_of(U256({kR.limb(0), kR.limb(1), kR.limb(2), kR.limb(3) | 1ull << 63})),
            "RestoreRPoint(y is not in field)");
  EXPECT_EQ(failure_of(U256::from_u64(2)), "RestoreRPoint(not on curve)");
}

TEST(PointConvert, Coordinates) {
  EXPECT_EQ(convert_to_pubkey(kGx, kGy).value(), curve::jubjub_params().signing_generator());
  EXPECT_EQ(convert_to_pubkey(U256(), U256::from_u64(1)).value(), curve::Point<curve::Unknown>::zero());
  EXPECT_EQ(convert_to_pubkey(U256::from_u64(1), U256::from_u64(1)).error().description,
            "could not decode public key by x and y");
  const std::string not_in_field =
      "0x30644e72e131a029b85045b68181585d2833e84879b9709143e1f593f0000001 is not an element of the field";
  EXPECT_EQ(convert_to_pubkey(kR, U256::from_u64(5)).error().description, not_in_field);
  EXPECT_EQ(convert_to_pubkey(kGx, kR).error().description, not_in_field);
  EXPECT_EQ(point_from_xy(kGx, kGy), curve::jubjub_params().signing_generator());
  EXPECT_THROW(point_from_xy(U256::from_u64(1), U256::from_u64(1)), InternalFailure);
  EXPECT_THROW(point_from_xy(kR, kGy), InternalFailure);
}

TEST(PointConvert, SignatureScalarOutOfRange) {
  const U256 s = hex("0x060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1");
  EXPECT_EQ(failure_of([&] { packed_signature({{kGx, kGy}, s}); }),
            "0x060c89ce5c263405370a08b6d0302b0bab3eedb83920ee0a677297dc392126f1 is not an element of the field");
  EXPECT_EQ(packed_signature({{kGx, kGy}, U256::from_u64(7)}).s, curve::Fs::from_u64(7));
}

}  // namespace
}  // namespace korvo::tx
