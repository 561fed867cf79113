#include "poseidon/lazy_dot.h"

#include <gtest/gtest.h>

#include <random>

#include "poseidon/fr_hex.h"

namespace korvo::poseidon {
namespace {

using curve::Fr;

// The products are formed from the stored forms u * R mod p. Elements
// -(u / R) for small u have stored forms just below p, which push the high
// half of the double-width sum above p; random elements cover the rest.
TEST(LazyDot, AgreesWithTermByTermProducts) {
  const Fr r_inverse = Fr::from_raw(curve::FrParams::R).invert().value;
  std::mt19937_64 rng(11);
  for (int i = 0; i < 600; ++i) {
    State a;
    State b;
    for (std::size_t k = 0; k < kWidth; ++k) {
      a[k] = i % 2 ? -(Fr::from_u64(rng()) * r_inverse) : testing::random_fr(rng);
      b[k] = i % 2 ? -(Fr::from_u64(rng()) * r_inverse) : testing::random_fr(rng);
    }
    ASSERT_EQ(dot(a, b), dot_portable(a, b)) << i;
  }
  State top;
  top.fill(-Fr::one());
  EXPECT_EQ(dot(top, top), Fr::from_u64(9));
}

}  // namespace
}  // namespace korvo::poseidon
