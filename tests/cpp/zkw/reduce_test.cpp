#include "zkw/reduce.h"

#include <gtest/gtest.h>

#include "poseidon/fr_hex.h"

namespace korvo::zkw {
namespace {

using curve::Fr;

Fr reduce_four(std::initializer_list<std::uint64_t> limbs) {
  Reduce r(FieldAccumulator{Fr::zero(), 64});
  for (std::uint64_t limb : limbs) r.reduce(limb);
  EXPECT_EQ(r.cursor(), 0u);
  return r.value();
}

TEST(Reduce, FourLimbsLeastSignificantFirstModuloP) {
  constexpr std::uint64_t p0 = 0x43e1f593f0000001, p1 = 0x2833e84879b97091,
                          p2 = 0xb85045b68181585d, p3 = 0x30644e72e131a029;
  EXPECT_EQ(reduce_four({1, 0, 0, 0}), Fr::one());
  EXPECT_EQ(reduce_four({0, 1, 0, 0}), Fr::from_u128(static_cast<unsigned __int128>(1) << 64));
  EXPECT_EQ(reduce_four({0, 0, 0, 1}), Fr::from_raw({0, 0, 0, 1}));
  EXPECT_TRUE(reduce_four({p0, p1, p2, p3}).is_zero());
  EXPECT_EQ(reduce_four({p0 + 5, p1, p2, p3}), Fr::from_u64(5));
  // (2^255 - 1) mod p, computed with Python integers.
  EXPECT_EQ(poseidon::testing::fr_to_hex(reduce_four({~0ull, ~0ull, ~0ull, ~0ull >> 1})),
            "0x1f37631a3d9cbfac8f5f7492fcfd4f45af982f6f0c8d1edd783c14d81ffffffd");
}

TEST(Reduce, CompletedValueStaysUntilTheNextLimb) {
  Reduce r(FieldAccumulator{Fr::zero(), 64});
  for (std::uint64_t limb : {7u, 0u, 0u, 0u}) r.reduce(limb);
  EXPECT_EQ(r.cursor(), 0u);
  EXPECT_EQ(r.value(), Fr::from_u64(7));
  r.reduce(3);  // a new group: reset, then add
  EXPECT_EQ(r.cursor(), 1u);
  EXPECT_EQ(r.value(), Fr::from_u64(3));

  Reduce bytes(FieldAccumulator{Fr::zero(), 8});
  for (std::uint64_t limb : {1u, 2u, 3u, 4u}) bytes.reduce(limb);
  EXPECT_EQ(bytes.value(), Fr::from_u64(0x04030201));
}

}  // namespace
}  // namespace korvo::zkw
