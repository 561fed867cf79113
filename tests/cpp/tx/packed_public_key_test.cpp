// Public keys from private keys, packed keys as coordinates, and the key
// text pair rules.
#include "tx/packed_public_key.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "curve/jubjub_params.h"
#include "support/failure.h"
#include "tx/public_key_text.h"

namespace korvo::tx {
namespace {

using encoding::U256;

const std::string kZeros(64, '0');
const std::string kGPacked = "85a01167ea785d3f784224644a68e4067532c815f5f6d57d984b5c0e9c6c94b7";
const std::string kGx = "2ef3f9b423a2c8c74e9803958f6c320e854a1c1c06cd5cc8fd221dc052d76df7";

TEST(PackedPublicKey, FromPrivateKey) {
  EXPECT_EQ(public_key_from_private(curve::Fs::zero()).to_hex(), "0x" + kZeros.substr(1) + "1");
  EXPECT_EQ(public_key_from_private(curve::Fs::one()).to_hex(), "0x" + kGPacked);
  // (s - 1) * G = -G: only the sign bit differs.
  EXPECT_EQ(public_key_from_private(-curve::Fs::one()).to_hex(), "0x0" + kGPacked.substr(1));
}

TEST(PackedPublicKey, ShortValuesSkipDecompression) {
  // 2 does not decompress ("not on curve"), yet below 2^160 it is taken as y.
  const auto small = to_baby_jubjub_point(PackedPublicKey{U256::from_u64(2)});
  EXPECT_EQ(small.x, U256());
  EXPECT_EQ(small.y, U256::from_u64(2));
  const U256 top = U256::from_str("0xffffffffffffffffffffffffffffffffffffffff").value();
  EXPECT_EQ(to_baby_jubjub_point(PackedPublicKey{top}).y, top);
  // 2^160 and zero go through decompression.
  EXPECT_THROW(to_baby_jubjub_point(PackedPublicKey{U256::from_u64(1) << 160}), InternalFailure);
  const auto zero = to_baby_jubjub_point(PackedPublicKey{U256()});
  EXPECT_EQ(zero.y, U256());
  const auto x = curve::Fr::from_repr(zero.x.limbs()).value();
  EXPECT_EQ(x.square(), -curve::Fr::one());
}

TEST(PublicKeyText, PairKeepsTheCallersKeyText) {
  const KeyTextPair pair = pub_key_to_xy("0x" + kGPacked).value();
  EXPECT_EQ(pair.x, "0x" + kGPacked);
  EXPECT_EQ(pair.y, "0x" + kGx);
  std::string upper = kGPacked;
  for (auto& c : upper) c = static_cast<char>(std::toupper(c));
  const KeyTextPair upper_pair = pub_key_to_xy("0x0x" + upper).value();
  EXPECT_EQ(upper_pair.x, "0x" + upper);
  EXPECT_EQ(upper_pair.y, "0x" + kGx);
  // Neither padding nor case of the key is normalised; only the prefixes go.
  EXPECT_EQ(pub_key_to_xy("0X0x1234").value().x, "0x0x1234");
  EXPECT_EQ(pub_key_to_xy("1234").value().y, "0x" + kZeros);
  EXPECT_EQ(pub_key_to_xy("0x00000000001").value().x, "0x00000000001");
}

TEST(PublicKeyText, ErrorsAndFailures) {
  EXPECT_EQ(pub_key_to_xy("zz").error().description, "Invalid character 'z' at position 0");
  // y (sign bit cleared) is not below r.
  EXPECT_THROW(pub_key_to_xy("0xf48901096de18c1f88c746bd7e653af58be302676321793a90c6db289cf1143f"),
               InternalFailure);
  EXPECT_THROW(is_on_curve("0x30644e72e131a029b85045b68181585d2833e84879b9709143e1f593f0000001", "0x0"),
               InternalFailure);
}

TEST(PublicKeyText, PrivateKeyPairIsAlwaysFullWidth) {
  const KeyTextPair zero = private_key_to_pubkey_xy(kZeros).value();
  EXPECT_EQ(zero.x, "0x" + kZeros.substr(1) + "1");
  EXPECT_EQ(zero.y, "0x" + kZeros);
  const KeyTextPair one = private_key_to_pubkey_xy(kZeros.substr(1) + "1").value();
  EXPECT_EQ(one.x, "0x" + kGPacked);
  EXPECT_EQ(one.y, "0x" + kGx);
  EXPECT_FALSE(private_key_to_pubkey_xy("0x").ok());
}

// The pair of a private key is defined as pub_key_to_xy of its packed key.
TEST(PublicKeyText, PrivateKeyPairEqualsPairOfPackedKey) {
  std::mt19937_64 rng(5);
  for (int i = 0; i < 20; ++i) {
    const curve::Fs sk = curve::Fs::from_u64(rng()) * curve::Fs::from_u64(rng()) + curve::Fs::from_u64(rng());
    const std::string key_text = U256(sk.into_repr()).to_hex();
    const KeyTextPair direct = private_key_to_pubkey_xy(key_text).value();
    const KeyTextPair via_packed = pub_key_to_xy(public_key_from_private(sk).to_hex()).value();
    EXPECT_EQ(direct.x, via_packed.x) << key_text;
    EXPECT_EQ(direct.y, via_packed.y) << key_text;
  }
}

TEST(PublicKeyText, IsOnCurveComparesTextExactly) {
  EXPECT_TRUE(is_on_curve("0x" + kGPacked, "0x" + kGx).value());
  EXPECT_TRUE(is_on_curve(kGPacked, "0x0x" + kGx).value());
  std::string upper = kGx;
  for (auto& c : upper) c = static_cast<char>(std::toupper(c));
  EXPECT_FALSE(is_on_curve("0x" + kGPacked, "0x" + upper).value());
  EXPECT_FALSE(is_on_curve("0x" + kGPacked, "0x" + kGx.substr(1)).value());
  EXPECT_TRUE(is_on_curve("0x1234", "0x" + kZeros).value());
  EXPECT_FALSE(is_on_curve("0x1234", "0x0").value());
  EXPECT_EQ(is_on_curve("zz", "0x0").error().description, "Invalid character 'z' at position 0");
}

}  // namespace
}  // namespace korvo::tx
