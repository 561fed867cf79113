#pragma once
// Montgomery arithmetic over a prime below 2^255 held in four 64-bit limbs,
// shared by Fr and Fs. Everything here is constant-time: scalars and point
// coordinates are secrets, so carries and reductions use masks. Where a
// function's running time or memory reads depend on its inputs, its name ends
// in _var or its comment says which inputs must be public.
//
// Bounds: "reduced" means below the modulus q. Every element an operation
// returns is reduced; the operations below state what they accept.
//
// Failures leave the curve layer in one way: a value that may not exist is a
// std::optional (whether it exists may show in the time taken), or a
// CtChecked (fr.h) where even that must not be branched on. A violated
// precondition is an internal failure (support/failure.h). Nothing here
// words an error: the SDK layers above write the texts.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>

#if defined(__x86_64__)
#include <x86intrin.h>
#endif

#include "curve/limbs.h"
#include "curve/modular_add_x86.h"
#include "curve/montgomery_adx.h"

namespace korvo::curve {

// "0x" and the four limbs from the most significant down, 16 lower-case digits each.
std::string repr_to_hex(const Limbs& repr);

// 32 bytes as a little-endian integer (limb i from bytes 8i..8i+7) and back.
constexpr Limbs limbs_from_le_bytes(const std::uint8_t* bytes) {
  Limbs out{};
  for (int i = 0; i < 32; ++i) out[i / 8] |= std::uint64_t{bytes[i]} << (8 * (i % 8));
  return out;
}
constexpr std::array<std::uint8_t, 32> limbs_to_le_bytes(const Limbs& limbs) {
  std::array<std::uint8_t, 32> out{};
  for (int i = 0; i < 32; ++i) out[i] = static_cast<std::uint8_t>(limbs[i / 8] >> (8 * (i % 8)));
  return out;
}

namespace detail {

using u128 = unsigned __int128;

// Carry chains go through the x86 carry flag at run time; the portable form
// serves constant evaluation and other targets.
constexpr std::uint64_t add_carry(std::uint64_t a, std::uint64_t b, std::uint64_t& carry) {
#if defined(__x86_64__)
  if (!std::is_constant_evaluated()) {
    unsigned long long sum;
    carry = _addcarry_u64(static_cast<unsigned char>(carry), a, b, &sum);
    return sum;
  }
#endif
  const u128 sum = static_cast<u128>(a) + b + carry;
  carry = static_cast<std::uint64_t>(sum >> 64);
  return static_cast<std::uint64_t>(sum);
}

constexpr std::uint64_t sub_borrow(std::uint64_t a, std::uint64_t b, std::uint64_t& borrow) {
#if defined(__x86_64__)
  if (!std::is_constant_evaluated()) {
    unsigned long long diff;
    borrow = _subborrow_u64(static_cast<unsigned char>(borrow), a, b, &diff);
    return diff;
  }
#endif
  const u128 diff = static_cast<u128>(a) - b - borrow;
  borrow = static_cast<std::uint64_t>(diff >> 64) & 1;
  return static_cast<std::uint64_t>(diff);
}

// All ones when `bit` (0 or 1) is set.
constexpr std::uint64_t mask_of(std::uint64_t bit) { return 0 - bit; }

// The empty asm hides the mask's origin from the optimiser, which could
// otherwise turn the selection back into a branch (or into vector code that
// stalls on store forwarding).
constexpr std::uint64_t opaque(std::uint64_t v) {
  if (!std::is_constant_evaluated()) asm("" : "+r"(v));
  return v;
}

constexpr Limbs select(const Limbs& when_set, const Limbs& when_clear, std::uint64_t mask) {
  mask = opaque(mask);
  return Limbs{(when_set[0] & mask) | (when_clear[0] & ~mask), (when_set[1] & mask) | (when_clear[1] & ~mask),
               (when_set[2] & mask) | (when_clear[2] & ~mask), (when_set[3] & mask) | (when_clear[3] & ~mask)};
}

// 1 when a < b.
constexpr std::uint64_t less_than(const Limbs& a, const Limbs& b) {
  std::uint64_t borrow = 0;
  for (int i = 0; i < 4; ++i) sub_borrow(a[i], b[i], borrow);
  return borrow;
}

constexpr std::uint64_t is_zero_bit(const Limbs& a) {
  const std::uint64_t any = a[0] | a[1] | a[2] | a[3];
  return 1 ^ ((any | (0 - any)) >> 63);
}

}  // namespace detail

// Arithmetic on stored (Montgomery) limbs for the modulus described by P
// (MODULUS, R, R2, INV = -MODULUS^-1 mod 2^64). The modulus's top limb leaves
// room for the carry-free CIOS product.
template <class P>
struct FieldCore {
  static_assert(P::MODULUS[3] < (~std::uint64_t{0} >> 1) - 1);

  // In: a < 2q. Out: a mod q, reduced.
  [[gnu::always_inline]] static constexpr Limbs reduce_once(const Limbs& a) {
#if defined(__x86_64__)
    if (!std::is_constant_evaluated()) return reduce_once_x86(a, P::MODULUS);
#endif
    Limbs diff{};
    std::uint64_t borrow = 0;
    for (int i = 0; i < 4; ++i) diff[i] = detail::sub_borrow(a[i], P::MODULUS[i], borrow);
    return detail::select(a, diff, detail::mask_of(borrow));
  }

  // In: a, b reduced. Out: (a + b) mod q, reduced; the sum before reduction
  // stays below 2q < 2^256.
  [[gnu::always_inline]] static constexpr Limbs add(const Limbs& a, const Limbs& b) {
#if defined(__x86_64__)
    if (!std::is_constant_evaluated()) return add_x86(a, b, P::MODULUS);
#endif
    Limbs sum{};
    std::uint64_t carry = 0;
    for (int i = 0; i < 4; ++i) sum[i] = detail::add_carry(a[i], b[i], carry);
    return reduce_once(sum);
  }

  // In: a, b reduced. Out: (a - b) mod q, reduced.
  [[gnu::always_inline]] static constexpr Limbs sub(const Limbs& a, const Limbs& b) {
#if defined(__x86_64__)
    if (!std::is_constant_evaluated()) return sub_x86(a, b, P::MODULUS);
#endif
    Limbs diff{};
    std::uint64_t borrow = 0;
    for (int i = 0; i < 4; ++i) diff[i] = detail::sub_borrow(a[i], b[i], borrow);
    const std::uint64_t mask = detail::mask_of(borrow);
    std::uint64_t carry = 0;
    for (int i = 0; i < 4; ++i) diff[i] = detail::add_carry(diff[i], P::MODULUS[i] & mask, carry);
    return diff;
  }

  // In: a reduced. Out: (q - a) mod q, reduced (zero stays zero).
  [[gnu::always_inline]] static constexpr Limbs neg(const Limbs& a) {
#if defined(__x86_64__)
    if (!std::is_constant_evaluated()) return neg_x86(a, P::MODULUS);
#endif
    Limbs diff{};
    std::uint64_t borrow = 0;
    for (int i = 0; i < 4; ++i) diff[i] = detail::sub_borrow(P::MODULUS[i], a[i], borrow);
    const std::uint64_t keep = ~detail::mask_of(detail::is_zero_bit(a));
    for (auto& limb : diff) limb &= keep;
    return diff;
  }

  // In: a reduced; b any 256-bit value (it is scanned limb by limb), which
  // the conversions into the stored form rely on. Out: a·b·R^-1 mod q, reduced.
  [[gnu::always_inline]] static constexpr Limbs mul(const Limbs& a, const Limbs& b) { return product<false>(a, b); }

  // In: a reduced. Out: a·a·R^-1 mod q, reduced.
  [[gnu::always_inline]] static constexpr Limbs square(const Limbs& a) { return product<true>(a, a); }

  // The assembly or the portable code, as runs_mul_adx chooses.
  template <bool kSquare>
  [[gnu::always_inline]] static constexpr Limbs product(const Limbs& a, const Limbs& b) {
#if defined(KORVO_HAS_MUL_ADX)
    if (runs_mul_adx()) {
      if constexpr (kSquare) return reduce_once(montgomery_square_adx(a, P::MODULUS, P::INV));
      return reduce_once(montgomery_mul_adx(a, b, P::MODULUS, P::INV));
    }
#endif
    return mul_portable(a, b);
  }

  // mul without the assembly; same bounds. The 512-bit product, then its
  // reduction: a·b < q·2^256 leaves the reduction below 2q, without carry.
  // Kept out of line: at run time it is the rare path.
  [[gnu::noinline]] static constexpr Limbs mul_portable(const Limbs& a, const Limbs& b) {
    using detail::u128;
    std::array<std::uint64_t, 8> t{};
    for (int i = 0; i < 4; ++i) {
      std::uint64_t carry = 0;
      for (int j = 0; j < 4; ++j) {
        const u128 acc = static_cast<u128>(a[j]) * b[i] + t[i + j] + carry;
        t[i + j] = static_cast<std::uint64_t>(acc);
        carry = static_cast<std::uint64_t>(acc >> 64);
      }
      t[i + 4] = carry;
    }
    std::uint64_t top = 0;  // stays zero
    return reduce_once(reduce_wide_portable({t[0], t[1], t[2], t[3]}, {t[4], t[5], t[6], t[7]}, top));
  }

  // The Montgomery reduction of low + high·2^256, not fully reduced:
  // high + (low + m·q)/2^256 for the m that clears the low half. The first
  // term is any 256-bit value and the second at most q, so the sum takes
  // 257 bits: returns the low 256 and sets `carry` to the bit above.
  [[gnu::always_inline]] static constexpr Limbs reduce_wide(const Limbs& low, const Limbs& high,
                                                            std::uint64_t& carry) {
#if defined(KORVO_HAS_MUL_ADX)
    if (runs_mul_adx()) return montgomery_reduce_adx(low, high, P::MODULUS, P::INV, carry);
#endif
    return reduce_wide_portable(low, high, carry);
  }

  // reduce_wide without the assembly: one word of m at a time.
  static constexpr Limbs reduce_wide_portable(const Limbs& low, const Limbs& high, std::uint64_t& carry) {
    using detail::u128;
    std::array<std::uint64_t, 8> w{low[0], low[1], low[2], low[3], high[0], high[1], high[2], high[3]};
    std::uint64_t pending = 0;  // a step's carry out of its top word, for the next step
#pragma GCC unroll 8
    for (int i = 0; i < 4; ++i) {
      const std::uint64_t m = w[i] * P::INV;
      std::uint64_t c = 0;
#pragma GCC unroll 8
      for (int k = 0; k < 4; ++k) {
        const u128 s = static_cast<u128>(m) * P::MODULUS[k] + w[i + k] + c;
        w[i + k] = static_cast<std::uint64_t>(s);
        c = static_cast<std::uint64_t>(s >> 64);
      }
      const u128 s = static_cast<u128>(w[i + 4]) + c + pending;
      w[i + 4] = static_cast<std::uint64_t>(s);
      pending = static_cast<std::uint64_t>(s >> 64);
    }
    carry = pending;
    return {w[4], w[5], w[6], w[7]};
  }

  // In: any 256-bit integer. Out: the stored form of its residue, reduced.
  static constexpr Limbs to_montgomery(const Limbs& value) { return mul(P::R2, value); }
  // In: a reduced stored form. Out: its canonical integer, reduced.
  static constexpr Limbs from_montgomery(const Limbs& stored) { return mul(stored, Limbs{1, 0, 0, 0}); }
};

// Element type shared by both fields. Derived adds the conversions of its
// own field; everything common lives here. An element always holds the
// reduced stored form of its value, so every operation accepts every
// element; all of them are constant-time unless stated otherwise.
template <class Derived, class P>
class PrimeField {
 public:
  using Repr = Limbs;

  static constexpr Derived zero() { return from_stored(Limbs{}); }
  static constexpr Derived one() { return from_stored(P::R); }
  // No range check: any 256-bit integer enters the stored form of its residue.
  static constexpr Derived from_raw(const Repr& limbs) { return from_stored(Core::to_montgomery(limbs)); }
  static constexpr Derived from_u64(std::uint64_t v) { return from_raw(Limbs{v, 0, 0, 0}); }

  // True exactly for the integers below the modulus.
  static constexpr bool in_field(const Repr& repr) { return detail::less_than(repr, P::MODULUS) != 0; }

  // Accepts exactly the integers below the modulus. Whether it accepts shows
  // in the result; the time does not depend on the value otherwise.
  static std::optional<Derived> from_limbs(const Repr& limbs) {
    if (!in_field(limbs)) return std::nullopt;
    return from_raw(limbs);
  }
  constexpr Repr to_limbs() const { return Core::from_montgomery(limbs_); }

  // Inlined everywhere: a call per field operation costs as much as the operation.
  [[gnu::always_inline]] constexpr Derived operator+(const Derived& o) const {
    return from_stored(Core::add(limbs_, o.limbs_));
  }
  [[gnu::always_inline]] constexpr Derived operator-(const Derived& o) const {
    return from_stored(Core::sub(limbs_, o.limbs_));
  }
  [[gnu::always_inline]] constexpr Derived operator*(const Derived& o) const {
    return from_stored(Core::mul(limbs_, o.limbs_));
  }
  [[gnu::always_inline]] constexpr Derived operator-() const { return from_stored(Core::neg(limbs_)); }
  constexpr Derived& operator+=(const Derived& o) { return self() = self() + o; }
  constexpr Derived& operator-=(const Derived& o) { return self() = self() - o; }
  constexpr Derived& operator*=(const Derived& o) { return self() = self() * o; }
  [[gnu::always_inline]] constexpr Derived square() const { return from_stored(Core::square(limbs_)); }
  [[gnu::always_inline]] constexpr Derived doubled() const { return from_stored(Core::add(limbs_, limbs_)); }
  constexpr bool is_zero() const { return detail::is_zero_bit(limbs_) != 0; }

  // Constant-time: every limb is compared, whichever differs.
  friend constexpr bool operator==(const Derived& a, const Derived& b) {
    const Limbs& x = a.limbs_;
    const Limbs& y = b.limbs_;
    return detail::is_zero_bit(Limbs{x[0] ^ y[0], x[1] ^ y[1], x[2] ^ y[2], x[3] ^ y[3]}) != 0;
  }

  // Takes `other` when `mask` is all ones, keeps this when it is zero.
  constexpr void conditional_assign(const Derived& other, std::uint64_t mask) {
    limbs_ = detail::select(other.limbs_, limbs_, mask);
  }

  // Fixed 4-bit windows over the exponent's nibbles. The sequence of
  // operations and table reads depends only on the exponent, never on this
  // element: the base may be secret, the exponent must be public.
  constexpr Derived pow(const Limbs& exponent) const { return pow_each<1>({self()}, exponent)[0]; }

  // Each base to the same exponent, the computations interleaved step by
  // step: one chain's products fill the gaps while another's wait on their
  // previous result. The exponent must be public, as for pow.
  template <std::size_t N>
  static constexpr std::array<Derived, N> pow_each(const std::array<Derived, N>& bases, const Limbs& exponent) {
    std::array<std::array<Derived, 16>, N> powers{};
    for (std::size_t b = 0; b < N; ++b) {
      powers[b][0] = one();
      for (std::size_t i = 1; i < 16; ++i) powers[b][i] = powers[b][i - 1] * bases[b];
    }
    std::array<Derived, N> acc;
    acc.fill(one());
    bool started = false;
    for (int i = 63; i >= 0; --i) {
      const std::uint64_t nibble = (exponent[i / 16] >> (4 * (i % 16))) & 0xf;
      if (started) {
        for (int k = 0; k < 4; ++k) {
          for (std::size_t b = 0; b < N; ++b) acc[b] = acc[b].square();
        }
      }
      if (nibble != 0) {
        for (std::size_t b = 0; b < N; ++b) acc[b] = started ? acc[b] * powers[b][nibble] : powers[b][nibble];
        started = true;
      }
    }
    return acc;
  }

  static constexpr const Limbs& modulus() { return P::MODULUS; }

  // The stored (Montgomery) form itself, for arithmetic on limbs outside
  // this class. from_stored needs a reduced stored form.
  static constexpr Derived from_stored(const Limbs& stored) {
    Derived out;
    static_cast<PrimeField&>(out).limbs_ = stored;
    return out;
  }
  constexpr const Limbs& stored() const { return limbs_; }

 protected:
  using Core = FieldCore<P>;

 private:
  constexpr Derived& self() { return static_cast<Derived&>(*this); }
  constexpr const Derived& self() const { return static_cast<const Derived&>(*this); }

  Limbs limbs_{};
};

}  // namespace korvo::curve
