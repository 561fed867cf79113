// Public keys from private keys, packed keys as coordinates, and the key
// text pair rules.
#include "tx/packed_public_key.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "curve/fr.h"
#include "curve/jubjub_params.h"
#include "support/failure.h"
#include "tx/public_key_text.h"

namespace korvo::tx {
namespace {

using encoding::U256;

const std::string kZeros(64, '0');
const std::string kGPacked = "85a01167ea785d3f784224644a68e4067532c815f5f6d57d984b5c0e9c6c94b7";
const std::string kGx = "2ef3f9b423a2c8c74e9803958f6c320e854a1c1c06cd5cc8fd221dc052d76df7";

std::string upper(std::string text) {
  for (auto& c : text) c = static_cast<char>(std::toupper(c));
  return text;
}

// The packed key of sk * G.
U256 public_key_from_private(const curve::Fs& sk) {
  return public_key_forms(curve::jubjub_params().mul_generator_ct(sk)).packed.value;
}

TEST(PackedPublicKey, FromPrivateKey) {
  EXPECT_EQ(public_key_from_private(curve::Fs::zero()).to_hex(), "0x" + kZeros.substr(1) + "1");
  EXPECT_EQ(public_key_from_private(curve::Fs::one()).to_hex(), "0x" + kGPacked);
  EXPECT_EQ(public_key_from_private(-curve::Fs::one()).to_hex(), "0x0" + kGPacked.substr(1));  // -G
}

TEST(PackedPublicKey, ShortValuesSkipDecompression) {
  // 2 does not decompress, yet below 2^160 it is taken as y.
  EXPECT_EQ(to_baby_jubjub_point(PackedPublicKey{U256::from_u64(2)}), (BabyJubjubPoint{U256(), U256::from_u64(2)}));
  const U256 top = U256::from_str("0xffffffffffffffffffffffffffffffffffffffff").value();
  EXPECT_EQ(to_baby_jubjub_point(PackedPublicKey{top}).y, top);
  EXPECT_THROW(to_baby_jubjub_point(PackedPublicKey{U256::from_u64(1) << 160}), InternalFailure);
  // Zero is decompressed: y = 0, x^2 = -1.
  const auto zero = to_baby_jubjub_point(PackedPublicKey{U256()});
  EXPECT_EQ(zero.y, U256());
  EXPECT_EQ(curve::Fr::from_limbs(zero.x.limbs()).value().square(), -curve::Fr::one());
}

TEST(PublicKeyText, PairOfPackedKey) {
  const KeyTextPair pair = pub_key_to_xy("0x" + kGPacked).value();
  EXPECT_EQ(pair.x, "0x" + kGPacked);
  EXPECT_EQ(pair.y, "0x" + kGx);
  // The key keeps the caller's case and width; only the prefixes go.
  EXPECT_EQ(pub_key_to_xy("0x0x" + upper(kGPacked)).value().x, "0x" + upper(kGPacked));
  EXPECT_EQ(pub_key_to_xy("0x0x" + upper(kGPacked)).value().y, "0x" + kGx);
  EXPECT_EQ(pub_key_to_xy("0X0x1234").value().x, "0x0x1234");
  EXPECT_EQ(pub_key_to_xy("00001234").value().x, "0x00001234");
  EXPECT_EQ(pub_key_to_xy("1234").value().y, "0x" + kZeros);
  EXPECT_EQ(pub_key_to_xy("zz").error().description, "Invalid character 'z' at position 0");
  EXPECT_THROW(static_cast<void>(pub_key_to_xy("0xf48901096de18c1f88c746bd7e653af58be302676321793a90c6db289cf1143f")), InternalFailure);
}

TEST(PublicKeyText, PairOfPrivateKey) {
  const KeyTextPair zero = private_key_to_pubkey_xy(kZeros).value();
  EXPECT_EQ(zero.x, "0x" + kZeros.substr(1) + "1");
  EXPECT_EQ(zero.y, "0x" + kZeros);
  EXPECT_FALSE(private_key_to_pubkey_xy("0x").ok());
  // Defined as pub_key_to_xy of the packed key.
  std::mt19937_64 rng(5);
  for (int i = 0; i < 20; ++i) {
    const curve::Fs sk = curve::Fs::from_u64(rng()) * curve::Fs::from_u64(rng()) + curve::Fs::from_u64(rng());
    const KeyTextPair direct = private_key_to_pubkey_xy(U256(sk.to_limbs()).to_hex()).value();
    const KeyTextPair via_packed = pub_key_to_xy(public_key_from_private(sk).to_hex()).value();
    EXPECT_EQ(direct.x, via_packed.x);
    EXPECT_EQ(direct.y, via_packed.y);
  }
}

TEST(PublicKeyText, IsOnCurveComparesTextExactly) {
  EXPECT_TRUE(is_on_curve("0x" + kGPacked, "0x" + kGx).value());
  EXPECT_TRUE(is_on_curve(kGPacked, "0x0x" + kGx).value());
  EXPECT_FALSE(is_on_curve("0x" + kGPacked, "0x" + upper(kGx)).value());
  EXPECT_FALSE(is_on_curve("0x" + kGPacked, "0x" + kGx.substr(1)).value());
  EXPECT_TRUE(is_on_curve("0x1234", "0x" + kZeros).value());
  EXPECT_FALSE(is_on_curve("0x1234", "0x0").value());
  EXPECT_EQ(is_on_curve("zz", "0x0").error().description, "Invalid character 'z' at position 0");
}

}  // namespace
}  // namespace korvo::tx
