#include "zkw/reduce.h"

#include <gtest/gtest.h>

#include <random>

#include "curve/reference_bigint.h"

namespace korvo::zkw {
namespace {

using curve::Fr;
using curve::Limbs;
using encoding::U256;

constexpr Limbs kP{0x43e1f593f0000001, 0x2833e84879b97091, 0xb85045b68181585d, 0x30644e72e131a029};

// The canonical integer of the element a word adds.
Limbs reduced(const Limbs& word) { return message_element(U256(word)).to_limbs(); }

// The word with bit 255 cleared, reduced by the bit-by-bit reference.
Limbs expected(Limbs word) {
  word[3] &= ~0ull >> 1;
  return curve::testing::wide_mod(curve::testing::widen(word), kP);
}

TEST(MessageElement, LimbsWeighLeastSignificantFirstModuloP) {
  EXPECT_EQ(reduced({1, 0, 0, 0}), (Limbs{1, 0, 0, 0}));
  EXPECT_EQ(reduced({0, 1, 0, 0}), (Limbs{0, 1, 0, 0})) << "2^64";
  EXPECT_EQ(reduced({0, 0, 1, 0}), (Limbs{0, 0, 1, 0})) << "2^128";
  EXPECT_EQ(reduced(kP), (Limbs{})) << "p";
  EXPECT_EQ(reduced({kP[0] + 5, kP[1], kP[2], kP[3]}), (Limbs{5, 0, 0, 0})) << "p + 5";
  EXPECT_EQ(reduced({kP[0] - 1, kP[1], kP[2], kP[3]}), (Limbs{kP[0] - 1, kP[1], kP[2], kP[3]})) << "p - 1";
  // 2^255 - 1, the largest word once bit 255 is cleared: twice p and a rest.
  const Limbs top{~0ull, ~0ull, ~0ull, ~0ull >> 1};
  EXPECT_EQ(reduced(top), expected(top));
  EXPECT_EQ(curve::repr_to_hex(reduced(top)),
            "0x1f37631a3d9cbfac8f5f7492fcfd4f45af982f6f0c8d1edd783c14d81ffffffd");
}

TEST(MessageElement, BitTwoHundredFiftyFiveIsIgnored) {
  EXPECT_EQ(reduced({0, 0, 0, 1ull << 63}), (Limbs{}));
  EXPECT_EQ(reduced({~0ull, ~0ull, ~0ull, ~0ull}), reduced({~0ull, ~0ull, ~0ull, ~0ull >> 1}));
  EXPECT_EQ(reduced({7, 0, 0, 1ull << 63 | 1}), reduced({7, 0, 0, 1}));
}

TEST(MessageElement, AgreesWithTheReferenceOnLongBitRuns) {
  std::mt19937_64 rng(23);
  for (int i = 0; i < 500; ++i) {
    const Limbs word = curve::testing::random_runs(rng);
    ASSERT_EQ(reduced(word), expected(word)) << curve::repr_to_hex(word);
  }
}

TEST(MessageElement, SixtyFourBitWordsAreThemselves) {
  for (std::uint64_t v : {0ull, 1ull, 0x8000000000000000ull, ~0ull}) {
    EXPECT_EQ(message_element(U256::from_u64(v)), Fr::from_u64(v)) << v;
  }
}

}  // namespace
}  // namespace korvo::zkw
