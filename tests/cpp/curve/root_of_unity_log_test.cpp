// Logarithms among the 2^28-th roots of unity against exponentiation.
#include "curve/root_of_unity_log.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace korvo::curve {
namespace {

TEST(RootOfUnityLog, InvertsExponentiationForEveryWindow) {
  std::mt19937_64 rng(3);
  std::vector<std::uint32_t> exponents = {0, 1, 127, 128, (1u << 27), (1u << 28) - 1, 0x0badcafe & ((1u << 28) - 1)};
  for (int i = 0; i < 40; ++i) exponents.push_back(static_cast<std::uint32_t>(rng()) & ((1u << 28) - 1));
  for (const std::uint32_t e : exponents) {
    const Fr b = kRootOfUnity.pow(Limbs{e, 0, 0, 0});
    ASSERT_EQ(root_of_unity_log_var(b), e);
    ASSERT_EQ(b * root_of_unity_inverse_power_var(e), Fr::one()) << e;
  }
  EXPECT_EQ(kRootOfUnity.pow(Limbs{1u << 27, 0, 0, 0}), -Fr::one()) << "z has order 2^28";
}

// The tables the compiler computed equal the same products made at run time.
TEST(RootOfUnityLog, CompiledTablesEqualTheRunTimeDerivation) {
  Fr step = kRootOfUnity.invert().value;
  for (const auto& row : kRootOfUnityInversePowers) {
    Fr expected = Fr::one();
    for (const Fr& entry : row) {
      ASSERT_EQ(entry.to_limbs(), expected.to_limbs());
      expected *= step;
    }
    step = row.back() * step;
  }
  EXPECT_EQ(step, Fr::one()) << "the four rows span all 2^28 powers";
}

}  // namespace
}  // namespace korvo::curve
