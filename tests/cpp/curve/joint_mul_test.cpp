// The non-adjacent form and the joint multiplication against double-and-add.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "curve/double_and_add.h"
#include "curve/hex_bytes.h"
#include "curve/jubjub_params.h"
#include "curve/naf.h"
#include "curve/reference_bigint.h"
#include "curve/torsion.h"
#include "support/failure.h"

namespace korvo::curve {
namespace {

using P = Point<Unknown>;

std::vector<Limbs> edge_and_random_scalars(std::uint64_t seed) {
  const Limbs s = Fs::char_();
  std::vector<Limbs> scalars = {Limbs{},
                                Limbs{1, 0, 0, 0},
                                Limbs{63, 0, 0, 0},
                                Limbs{64, 0, 0, 0},
                                {s[0] - 1, s[1], s[2], s[3]},
                                s,
                                Limbs{~0ull, ~0ull, ~0ull, ~0ull},
                                Limbs{0, 0, 0, 1ull << 63}};
  std::mt19937_64 rng(seed);
  for (int i = 0; i < 10; ++i) scalars.push_back(testing::random_runs(rng));
  return scalars;
}

// The digits give back k (as a 257-bit sum) and keep the form's shape.
TEST(NonAdjacentForm, DigitsSumToTheScalarForEveryWidth) {
  for (int width = 2; width <= 8; ++width) {
    for (const Limbs& k : edge_and_random_scalars(7)) {
      const Naf naf = non_adjacent_form(k, width);
      ASSERT_LE(naf.length, 257);
      Limbs sum{};
      std::uint64_t top = 0;  // bit 256
      int last_nonzero = -width;
      for (int i = naf.length - 1; i >= 0; --i) {
        top = (top << 1) | (sum[3] >> 63);
        for (int j = 3; j > 0; --j) sum[j] = (sum[j] << 1) | (sum[j - 1] >> 63);
        sum[0] <<= 1;
        const int digit = naf.digits[static_cast<std::size_t>(i)];
        if (digit == 0) continue;
        ASSERT_EQ(digit & 1, 1) << width;
        ASSERT_LT(digit < 0 ? -digit : digit, 1 << (width - 1)) << width;
        // Digits are read from the top: nonzero ones stay `width` apart.
        if (last_nonzero != -width) {
          ASSERT_GE(last_nonzero - i, width) << width;
        }
        last_nonzero = i;
        const std::uint64_t magnitude = static_cast<std::uint64_t>(digit < 0 ? -digit : digit);
        std::uint64_t carry = 0;
        for (int j = 0; j < 4; ++j) {
          const std::uint64_t operand = j == 0 ? magnitude : 0;
          sum[j] = digit < 0 ? detail::sub_borrow(sum[j], operand, carry) : detail::add_carry(sum[j], operand, carry);
        }
        top = digit < 0 ? top - carry : top + carry;
      }
      ASSERT_EQ(sum, k) << width << " " << repr_to_hex(k);
      ASSERT_EQ(top, 0u) << width;
    }
  }
}

TEST(JointMultiplication, MatchesTwoDoubleAndAdds) {
  const auto& params = jubjub_params();
  const Point<PrimeOrder>& g = params.generator(5);
  const auto torsion = testing::torsion_points(params);
  std::mt19937_64 rng(29);
  std::vector<P> points = {P::zero(), torsion[1], torsion[4], P(g)};
  for (int i = 0; i < 3; ++i) points.push_back(P(g.mul_var(testing::random_runs(rng), params)).add(torsion[i], params));
  const auto scalars = edge_and_random_scalars(31);
  for (const P& p : points) {
    for (std::size_t i = 0; i < scalars.size(); ++i) {
      const Limbs& k = scalars[i];
      const Limbs& m = scalars[(i * 7 + 3) % scalars.size()];
      const P fast = params.mul_add_generator_var(p, k, 5, m);
      const P slow = testing::double_and_add(p, k, params).add(testing::double_and_add(g, m, params), params);
      ASSERT_EQ(testing::hex_of(fast.to_bytes()), testing::hex_of(slow.to_bytes()))
          << repr_to_hex(k) << " " << repr_to_hex(m);
      ASSERT_EQ(fast.add(p, params), slow.add(p, params)) << "t must be consistent";
    }
  }
  EXPECT_THROW(params.mul_add_generator_var(points[3], scalars[1], 4, scalars[1]), InternalFailure);
}

}  // namespace
}  // namespace korvo::curve
