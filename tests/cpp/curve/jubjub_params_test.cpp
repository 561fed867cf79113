// Derivation of the curve parameters and the fixed generators: all six
// derive by hashing to the curve; the parameter set holds generator 5.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "curve/group_hash.h"
#include "curve/hex_bytes.h"
#include "curve/joint_mul.h"
#include "curve/jubjub_params.h"
#include "curve/reference_bigint.h"
#include "support/failure.h"

namespace korvo::curve {
namespace {

using testing::hex_limbs;

std::vector<std::uint8_t> bytes(const std::string& text, int counter = -1) {
  std::vector<std::uint8_t> out(text.begin(), text.end());
  if (counter >= 0) out.push_back(static_cast<std::uint8_t>(counter));
  return out;
}

TEST(JubjubParams, Constants) {
  const auto& params = jubjub_params();
  EXPECT_EQ(params.edwards_d().to_limbs(),
            hex_limbs("1aee90f15f2189693df072d799fd11fc039b2959ebb7c867d075ca8cf4d7eb8e"));
  EXPECT_EQ(params.edwards_d() * -Fr::from_u64(168700), Fr::from_u64(168696));
}

TEST(JubjubParams, GeneratorsAndTheirCounters) {
  struct Expected {
    const char *personalization, *tag;
    int counter;
    const char *x, *y;
  };
  const Expected expected[] = {
      {"Zcash_H_", "", 2, "1ee77350e12c9895b2ce939094e92af260b4a56c9a4f09230e0ff0c5786a30ca",
       "18c6409592649c36a79a15177b4aec5784075f5a03f9a1b09a57af4b288f929d"},
      {"Zcash_PH", "r", 2, "1f8151972518489ee4e4877f27a98ee98b16045a3df8a623f782090b4592bcee",
       "2590f9fbe09f7f5e83a29e97bb97981a6125edb96af6577c738af072bf1142e4"},
      {"Zcash_J_", "", 0, "06365233b672101388d5d99a9514a8ba26ccbbae043205293d8aa2b1254dda88",
       "063007fe32cc0f6934b24bfc11bdaaf82cdaab270e596c1a1cac59ab9d85ab81"},
      {"Zcash_cv", "v", 1, "0a71462a426047520559654bf211850d5060582816d27c4a80dd05c85112b2ad",
       "0042358566d0cd4c9cfa3b48b85b5b7653cd483fa71222b378a6952ab6232e5f"},
      {"Zcash_cv", "r", 7, "21108e5b084a15ced07f197a5e7ae8b7c52076fdb63c5b9b245ba5e2711b8abc",
       "0c4ea6f36b841e28a3bea6b126ac247e7f0558d717b6d5c4734063cd762a5099"},
      {"Zcash_G_", "", 1, "2ef3f9b423a2c8c74e9803958f6c320e854a1c1c06cd5cc8fd221dc052d76df7",
       "05a01167ea785d3f784224644a68e4067532c815f5f6d57d984b5c0e9c6c94b7"},
  };
  const auto& params = jubjub_params();
  for (std::size_t i = 0; i < 6; ++i) {
    const Expected& e = expected[i];
    const Point<PrimeOrder> g = find_group_hash(bytes(e.tag), bytes(e.personalization), params);
    const auto [x, y] = g.into_xy();
    EXPECT_EQ(x.to_limbs(), hex_limbs(e.x)) << i;
    EXPECT_EQ(y.to_limbs(), hex_limbs(e.y)) << i;
    EXPECT_TRUE(Point<Unknown>::from_xy(x, y, params).has_value()) << i;
    EXPECT_EQ(mul_var(g, Fs::char_(), params), Point<PrimeOrder>::zero()) << i;
    for (int counter = 0; counter < e.counter; ++counter) {
      EXPECT_FALSE(baby_group_hash(bytes(e.tag, counter), bytes(e.personalization), params)) << i;
    }
    EXPECT_EQ(baby_group_hash(bytes(e.tag, e.counter), bytes(e.personalization), params), g) << i;
  }
  EXPECT_EQ(params.signing_generator().to_le_bytes(),
            find_group_hash({}, bytes(expected[5].personalization), params).to_le_bytes());
}

TEST(JubjubParams, GroupHashDigestsAndFailedTries) {
  // Computed with an independent BLAKE2s: the first block as 64 characters, then the tag.
  EXPECT_EQ(testing::hex_of(group_hash_digest({}, bytes("Zcash_G_"))),
            "7036e016ff8d3cf5fb6b08f5968e65ff6d29f56b3a41c8ba7af46b05a535a146");
  EXPECT_EQ(testing::hex_of(group_hash_digest(bytes("", 1), bytes("Zcash_G_"))),
            "8a3cc06da0613cd2cff3383da723158b3ff3129e7a78f47098f67e1811cf3c80");
  // Every try before the generator fails: six have y at or above r, one is
  // off the curve.
  int not_in_field = 0;
  for (int counter = 0; counter < 7; ++counter) {
    const auto digest = group_hash_digest(bytes("r", counter), bytes("Zcash_cv"));
    EXPECT_FALSE(Point<Unknown>::read_var(digest, jubjub_params())) << counter;
    Limbs y = limbs_from_le_bytes(digest.data());
    y[3] &= ~(1ull << 63);
    not_in_field += !Fr::in_field(y);
  }
  EXPECT_EQ(not_in_field, 6);
  EXPECT_THROW(group_hash_digest({}, bytes("Zcash_G")), InternalFailure);
  EXPECT_THROW(group_hash_digest({}, bytes("Zcash_G__")), InternalFailure);
}

// The shared instance is the constant data written by sdk/tools/write_tables:
// threads reading it at once from the start all see the one instance, and it
// equals, table entry for table entry, what the derivation computes now.
TEST(JubjubParams, OneSharedDeterministicInstance) {
  std::vector<const AltJubjubBn256*> seen(8);
  std::vector<std::thread> threads;
  for (auto& slot : seen) threads.emplace_back([&slot] { slot = &jubjub_params(); });
  for (auto& t : threads) t.join();
  for (const auto* p : seen) EXPECT_EQ(p, seen[0]);
  const auto fresh = std::make_unique<const AltJubjubBn256>();
  const AltJubjubBn256& kept = *seen[0];
  EXPECT_EQ(fresh->edwards_d(), kept.edwards_d());
  EXPECT_EQ(fresh->signing_generator().to_le_bytes(), kept.signing_generator().to_le_bytes());
  // The written generator has z = 1 and its own t = x*y: additions read t.
  EXPECT_EQ(fresh->signing_generator().add(fresh->signing_generator(), *fresh).to_le_bytes(),
            kept.signing_generator().add(kept.signing_generator(), kept).to_le_bytes());
  const auto& fresh_rows = fresh->signing_table().rows();
  const auto& kept_rows = kept.signing_table().rows();
  for (std::size_t w = 0; w < fresh_rows.size(); ++w) {
    for (std::size_t j = 0; j < fresh_rows[w].size(); ++j) ASSERT_EQ(fresh_rows[w][j], kept_rows[w][j]) << w << " " << j;
  }
  EXPECT_EQ(fresh->verifying_tables().low, kept.verifying_tables().low);
  EXPECT_EQ(fresh->verifying_tables().high, kept.verifying_tables().high);
  EXPECT_EQ(fresh->subgroup_check().constants(), kept.subgroup_check().constants());
  EXPECT_TRUE(*fresh == kept);
}

}  // namespace
}  // namespace korvo::curve
