#include "poseidon/grain.h"

#include <gtest/gtest.h>

#include <vector>

#include "poseidon/fr_hex.h"

namespace korvo::poseidon {
namespace {

using testing::fr_to_hex;

Grain::State with_bits(const std::vector<unsigned>& places) {
  Grain::State s = 0;
  for (unsigned place : places) s |= static_cast<Grain::State>(1) << place;
  return s;
}

TEST(Grain, InitialBitsSpellTheParameters) {
  const Grain::State s = Grain::initial_state(9, 8, 63);
  // Oldest bit first: field type 01, S-box 0000, 254, 9, 8, 63, thirty ones.
  const std::string expected = std::string("01") + "0000" + "000011111110" + "000000001001" +
                               "0000001000" + "0000111111" + std::string(30, '1');
  for (unsigned i = 0; i < 80; ++i) EXPECT_EQ(((s >> i) & 1) != 0, expected[i] == '1') << "b[" << i << "]";
  EXPECT_TRUE(s >> 80 == 0);
}

TEST(Grain, StepXorsTheTapsAndFilterSkipsPairsStartingWithZero) {
  for (unsigned tap : {0u, 13u, 23u, 38u, 51u, 62u}) {
    Grain g(with_bits({tap}));
    EXPECT_TRUE(g.new_bit()) << "tap " << tap;
    EXPECT_TRUE(g.state() == (tap == 0 ? with_bits({79}) : with_bits({tap - 1, 79}))) << tap;
  }
  EXPECT_FALSE(Grain(with_bits({1, 12, 79})).new_bit()) << "bits off the taps";

  // For the first 13 steps the new bit is the oldest one, so these bits are
  // the next outputs: pairs (0,1), (1,0), (1,1).
  Grain g(with_bits({1, 2, 4, 5}));
  EXPECT_FALSE(g.filtered_bit());
  EXPECT_TRUE(g.state() == with_bits({0, 1, 77, 78})) << "four steps consumed";
  EXPECT_TRUE(g.filtered_bit());
}

// Expected values from tests/python/reference_poseidon.py, an independent
// integer implementation checked against known-answer hashes.
TEST(Grain, DrawAtOrAbovePIsRejectedOnlyForRoundConstants) {
  Grain g = Grain::create(9, 8, 63);
  EXPECT_EQ(fr_to_hex(g.next_round_constant()),
            "0x2088ce9534577bf38be7bc457f2756d558d66e0c07b9cc001a580bd42cda0e77");
  // The second draw, 0x3d15...4556, is above p.
  Grain reduced = g;
  EXPECT_EQ(fr_to_hex(reduced.next_field_element_without_rejection()),
            "0x0cb0b5f7643d17e49de7475ffd67c484798510cbe1d4b7bcdf03395960264555");
  EXPECT_EQ(fr_to_hex(g.next_round_constant()),
            "0x1b86e63908c4b12af43cec6810356c94d21c9e37d73dfff9742a58e0ec356be1");
}

}  // namespace
}  // namespace korvo::poseidon
