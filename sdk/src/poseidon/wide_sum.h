#pragma once
// Sums of field products kept at double width and reduced once, the bulk of
// the permutation's work. A field product is sixteen word products plus a
// reduction of twenty more; summing first pays the reduction once per sum.
//
// Everything works on the stored (Montgomery) limbs: the sum of products of
// stored forms aR * bR reduces to the stored form of the sum of a * b.

#include <array>
#include <cstddef>
#include <cstdint>

#include "curve/fr.h"

namespace korvo::poseidon {

// A 512-bit integer, least significant limb first.
using Wide = std::array<std::uint64_t, 8>;

namespace detail {

// (top, total) += x * y, with total the two low words of a 192-bit sum.
[[gnu::always_inline]] inline void add_word_product(unsigned __int128& total, std::uint64_t& top,
                                                    const std::uint64_t& x, const std::uint64_t& y) {
#if defined(__x86_64__)
  // One statement per word product, with the factors as memory operands: left
  // to itself the compiler keeps every loaded word live across the columns
  // and spills them all.
  std::uint64_t lo = static_cast<std::uint64_t>(total), hi = static_cast<std::uint64_t>(total >> 64);
  asm("movq %[x], %%rax\n\tmulq %[y]\n\taddq %%rax, %[lo]\n\tadcq %%rdx, %[hi]\n\tadcq $0, %[top]"
      : [lo] "+r"(lo), [hi] "+r"(hi), [top] "+r"(top)
      : [x] "m"(x), [y] "m"(y)
      : "rax", "rdx", "cc");
  total = static_cast<unsigned __int128>(hi) << 64 | lo;
#else
  const unsigned __int128 product = static_cast<unsigned __int128>(x) * y;
  total += product;
  top += total < product;
#endif
}

}  // namespace detail

// The sum over i < N of a(i) * b(i), where a(i) and b(i) give the limbs of
// the factors (values below 2^256). Product scanning: all word products of
// result limb c, over all terms, go into a three-word running total before
// limb c is written, so each costs one multiply and three additions. The
// caller keeps the sum below 2^512.
template <std::size_t N, class A, class B>
[[gnu::always_inline]] inline Wide sum_of_products(const A& a, const B& b) {
  using u128 = unsigned __int128;
  Wide out;
  u128 total = 0;
  std::uint64_t top = 0;
#pragma GCC unroll 8
  for (int column = 0; column < 7; ++column) {
    const int first = column < 3 ? 0 : column - 3;
    const int last = column < 3 ? column : 3;
#pragma GCC unroll 16
    for (std::size_t i = 0; i < N; ++i) {
      const curve::Limbs& x = a(i);
      const curve::Limbs& y = b(i);
#pragma GCC unroll 4
      for (int j = first; j <= last; ++j) detail::add_word_product(total, top, x[j], y[column - j]);
    }
    out[column] = static_cast<std::uint64_t>(total);
    total = total >> 64 | static_cast<u128>(top) << 64;
    top = 0;
  }
  out[7] = static_cast<std::uint64_t>(total);
  return out;
}

// The sum over i < N of a[i] * b[i] for elements laid out one after another.
template <std::size_t N>
[[gnu::always_inline]] inline Wide dot(const curve::Fr* a, const curve::Fr* b) {
  return sum_of_products<N>([a](std::size_t i) -> const curve::Limbs& { return a[i].stored(); },
                            [b](std::size_t i) -> const curve::Limbs& { return b[i].stored(); });
}

// a + b over N words; the callers' bounds leave no carry out of the top.
template <std::size_t N>
[[gnu::always_inline]] inline std::array<std::uint64_t, N> add(const std::array<std::uint64_t, N>& a,
                                                              const std::array<std::uint64_t, N>& b) {
  std::array<std::uint64_t, N> out;
  std::uint64_t carry = 0;
#pragma GCC unroll 8
  for (std::size_t i = 0; i < N; ++i) out[i] = curve::detail::add_carry(a[i], b[i], carry);
  return out;
}

namespace detail {

// The multiple of p that brings a reduction's result v + c * 2^256 (c its
// carry bit, the whole below 2^256 + p) under 2p, indexed by c and the top
// four bits n of v. For c = 0, floor(n * 2^252 / p) * p leaves less than
// 2^252 + p; for c = 1, v is below p and 5p leaves less than 2^256 - 4p,
// the subtraction wrapping in 256 bits exactly as the carry requires.
inline constexpr std::array<curve::Limbs, 32> kMultipleByTopBits = [] {
  constexpr std::array<std::uint64_t, 32> quotients = {0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4,
                                                       5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5};
  std::array<curve::Limbs, 32> out{};
  for (std::size_t n = 0; n < out.size(); ++n) {
    unsigned __int128 carry = 0;
    for (int i = 0; i < 4; ++i) {
      carry += static_cast<unsigned __int128>(curve::FrParams::MODULUS[i]) * quotients[n];
      out[n][i] = static_cast<std::uint64_t>(carry);
      carry >>= 64;
    }
  }
  return out;
}();

}  // namespace detail

// Montgomery reduction of t + addend * 2^256, fully reduced: the element
// whose stored form is (t + stored(addend) * 2^256) / 2^256 mod p. Needs
// t + addend * 2^256 below 2^512; the reduction is then below 2^256 + p.
[[gnu::always_inline]] inline curve::Fr reduce(const Wide& t, const curve::Fr& addend) {
  using Core = curve::FieldCore<curve::FrParams>;
  const curve::Limbs low{t[0], t[1], t[2], t[3]};
  const curve::Limbs& extra = addend.stored();
  curve::Limbs high;
  std::uint64_t carry = 0;
#pragma GCC unroll 8
  for (int i = 0; i < 4; ++i) high[i] = curve::detail::add_carry(t[4 + i], extra[i], carry);

  curve::Limbs v = Core::reduce_wide(low, high, carry);
  const curve::Limbs& multiple = detail::kMultipleByTopBits[carry << 4 | v[3] >> 60];
  std::uint64_t borrow = 0;
#pragma GCC unroll 8
  for (int i = 0; i < 4; ++i) v[i] = curve::detail::sub_borrow(v[i], multiple[i], borrow);
  return curve::Fr::from_stored(Core::reduce_once(v));
}

}  // namespace korvo::poseidon
