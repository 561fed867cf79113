#pragma once
// Products with half the multiplications, for a vector x and coefficients c:
//   sum_i c_i x_i = sum_i (x_2i + c_2i+1)(x_2i+1 + c_2i)
//                   - sum_i x_2i x_2i+1 - sum_i c_2i c_2i+1
// over the pairs (2i, 2i+1), plus c_N-1 x_N-1 when N is odd. The middle sum
// is shared by every c and the last one is a constant of c, so each pair
// costs one product instead of two.

#include <array>
#include <cstddef>

#include "poseidon/wide_sum.h"

namespace korvo::poseidon {

// sum_i x_2i x_2i+1 over the N / 2 pairs.
template <std::size_t N>
[[gnu::always_inline]] inline Wide pair_products(const curve::Fr* x) {
  return sum_of_products<N / 2>([x](std::size_t i) -> const curve::Limbs& { return x[2 * i].stored(); },
                                [x](std::size_t i) -> const curve::Limbs& { return x[2 * i + 1].stored(); });
}

// The first sum on the right, from the coefficients pairwise swapped
// (c_1, c_0, c_3, c_2, ..., then c_N-1 when N is odd), plus the plain
// products a[i] * b[i] for i < M. The pair sums of stored forms are not
// reduced: below 2p, so each of their products is below 4p^2.
template <std::size_t N, std::size_t M = 0>
[[gnu::always_inline]] inline Wide paired_products(const curve::Fr* x, const curve::Fr* swapped,
                                                   const curve::Fr* a = nullptr, const curve::Fr* b = nullptr) {
  constexpr std::size_t kPairs = N / 2;
  constexpr std::size_t kOdd = N % 2;
  std::array<curve::Limbs, 2 * kPairs> sums;
#pragma GCC unroll 8
  for (std::size_t k = 0; k < sums.size(); ++k) sums[k] = add(x[k].stored(), swapped[k].stored());
  // The term index is a constant once unrolled, so the choices disappear.
  const auto left = [&](std::size_t i) -> const curve::Limbs& {
    if (i < kPairs) return sums[2 * i];
    if (i < kPairs + kOdd) return x[N - 1].stored();
    return a[i - kPairs - kOdd].stored();
  };
  const auto right = [&](std::size_t i) -> const curve::Limbs& {
    if (i < kPairs) return sums[2 * i + 1];
    if (i < kPairs + kOdd) return swapped[N - 1].stored();
    return b[i - kPairs - kOdd].stored();
  };
  return sum_of_products<kPairs + kOdd + M>(left, right);
}

// c pairwise swapped, as paired_products takes it, and -sum_i c_2i c_2i+1.
template <std::size_t N>
struct PairedCoefficients {
  std::array<curve::Fr, N> swapped;
  curve::Fr minus_pairs;

  static PairedCoefficients from(const curve::Fr* c) {
    PairedCoefficients out;
    curve::Fr pairs = curve::Fr::zero();
    for (std::size_t k = 0; k + 1 < N; k += 2) {
      out.swapped[k] = c[k + 1];
      out.swapped[k + 1] = c[k];
      pairs += c[k] * c[k + 1];
    }
    if (N % 2 == 1) out.swapped[N - 1] = c[N - 1];
    out.minus_pairs = -pairs;
    return out;
  }

  friend constexpr bool operator==(const PairedCoefficients&, const PairedCoefficients&) = default;
};

}  // namespace korvo::poseidon
