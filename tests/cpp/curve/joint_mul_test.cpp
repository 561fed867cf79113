// The joint multiplication against double-and-add: two variable points with
// half-length scalars and the generator with a full one, split in halves.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "curve/double_and_add.h"
#include "curve/hex_bytes.h"
#include "curve/joint_mul.h"
#include "curve/jubjub_params.h"
#include "curve/reference_bigint.h"
#include "curve/torsion.h"
#include "support/failure.h"

namespace korvo::curve {
namespace {

using P = Point<Unknown>;
using u128 = unsigned __int128;

std::vector<Limbs> edge_and_random_scalars(std::uint64_t seed) {
  const Limbs s = Fs::char_();
  std::vector<Limbs> scalars = {Limbs{},
                                Limbs{1, 0, 0, 0},
                                Limbs{63, 0, 0, 0},
                                Limbs{64, 0, 0, 0},
                                Limbs{~0ull, ~0ull, 0, 0},
                                Limbs{0, 0, 1, 0},
                                {s[0] - 1, s[1], s[2], s[3]},
                                s,
                                Limbs{~0ull, ~0ull, ~0ull, ~0ull},
                                Limbs{0, 0, 0, 1ull << 63}};
  std::mt19937_64 rng(seed);
  for (int i = 0; i < 10; ++i) scalars.push_back(testing::random_runs(rng));
  return scalars;
}

u128 low_half(const Limbs& k) { return static_cast<u128>(k[1]) << 64 | k[0]; }

TEST(JointMultiplication, MatchesDoubleAndAdds) {
  const auto& params = jubjub_params();
  const Point<PrimeOrder>& g = params.signing_generator();
  const auto torsion = testing::torsion_points(params);
  std::mt19937_64 rng(29);
  std::vector<P> points = {P::zero(), torsion[1], torsion[4], P(g)};
  for (int i = 0; i < 3; ++i) points.push_back(P(mul_var(g, testing::random_runs(rng), params)).add(torsion[i], params));
  const auto scalars = edge_and_random_scalars(31);
  for (std::size_t a = 0; a < points.size(); ++a) {
    const P& p = points[a];
    const P& q = points[(a * 3 + 1) % points.size()];
    for (std::size_t i = 0; i < scalars.size(); ++i) {
      const Limbs k{scalars[i][0], scalars[i][1], 0, 0};
      const Limbs l{scalars[(i * 5 + 2) % scalars.size()][0], scalars[(i * 5 + 2) % scalars.size()][1], 0, 0};
      const Limbs& m = scalars[(i * 7 + 3) % scalars.size()];
      const P fast = params.mul_pair_add_generator_var(p, low_half(k), q, low_half(l), m);
      const P slow = testing::double_and_add(p, k, params)
                         .add(testing::double_and_add(q, l, params), params)
                         .add(testing::double_and_add(g, m, params), params);
      ASSERT_EQ(testing::hex_of(fast.to_le_bytes()), testing::hex_of(slow.to_le_bytes()))
          << repr_to_hex(k) << " " << repr_to_hex(l) << " " << repr_to_hex(m);
      ASSERT_EQ(fast.add(p, params), slow.add(p, params)) << "t must be consistent";
    }
  }
}

}  // namespace
}  // namespace korvo::curve
