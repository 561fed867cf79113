#include "curve/short_multiple.h"

#include <bit>
#include <utility>

namespace korvo::curve {
namespace {

int bit_length(const Limbs& a) {
  for (int i = 3; i >= 0; --i) {
    if (a[i] != 0) return 64 * i + 64 - std::countl_zero(a[i]);
  }
  return 0;
}

// a << shift for a shift below 256 that loses no set bit.
Limbs shifted(const Limbs& a, int shift) {
  Limbs out{};
  const int words = shift / 64, bits = shift % 64;
  for (int i = 3; i >= words; --i) {
    out[i] = a[i - words] << bits;
    if (bits != 0 && i - words >= 1) out[i] |= a[i - words - 1] >> (64 - bits);
  }
  return out;
}

// Replaces a by a mod b and returns the quotient, known to be below 2^128.
unsigned __int128 divide(Limbs& a, const Limbs& b) {
  unsigned __int128 quotient = 0;
  for (int shift = bit_length(a) - bit_length(b); shift >= 0; --shift) {
    const Limbs part = shifted(b, shift);
    if (detail::less_than(a, part)) continue;
    std::uint64_t borrow = 0;
    for (int i = 0; i < 4; ++i) a[i] = detail::sub_borrow(a[i], part[i], borrow);
    quotient |= static_cast<unsigned __int128>(1) << shift;
  }
  return quotient;
}

}  // namespace

ShortMultiple short_multiple(const FsRepr& c) {
  // Remainders r_i = t_i*c mod s with t_i alternating in sign, and
  // |t_i| * r_(i-1) <= s. Stopping at the first r_i below 2^126 leaves
  // r_(i-1) >= 2^126, so |t_i| <= s / 2^126 < 2^125; and |t_i| never
  // decreases from t_1 = 1.
  constexpr int kBound = 126;
  Limbs previous = Fs::char_();
  Limbs current = c;
  unsigned __int128 t_previous = 0, t_current = 1;
  bool negative = false;
  while (bit_length(current) > kBound) {
    const unsigned __int128 quotient = divide(previous, current);
    std::swap(previous, current);
    t_previous += quotient * t_current;
    std::swap(t_previous, t_current);
    negative = !negative;
  }
  const unsigned __int128 u = static_cast<unsigned __int128>(current[1]) << 64 | current[0];
  return {u, t_current, negative};
}

}  // namespace korvo::curve
