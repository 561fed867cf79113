#include "curve/divstep_inverse.h"

#include <array>

#include "curve/field_core.h"
#include "support/secret.h"

namespace korvo::curve {
namespace {

using i128 = __int128;

// Signed integers as five limbs of 62 bits, least significant first; the
// top limb carries the sign.
using Signed62 = std::array<std::int64_t, 5>;
constexpr int kBits = 62;
constexpr std::int64_t kMask = (std::int64_t{1} << kBits) - 1;

// Steps per batch, and batches: 744 steps are more than the 736 that
// inputs below 2^254 can need; the bound grows by 49/17 per bit, so the
// 2^255 of the interface needs 739.
constexpr int kStepsPerBatch = 62;
constexpr int kBatches = 12;

// The steps' transition matrix: after a batch,
// f' * 2^62 = u*f + v*g and g' * 2^62 = q*f + r*g.
struct Transition {
  std::int64_t u, v, q, r;
};

Signed62 to_signed62(const Limbs& a) {
  return {static_cast<std::int64_t>(a[0] & kMask),
          static_cast<std::int64_t>(((a[0] >> 62) | (a[1] << 2)) & kMask),
          static_cast<std::int64_t>(((a[1] >> 60) | (a[2] << 4)) & kMask),
          static_cast<std::int64_t>(((a[2] >> 58) | (a[3] << 6)) & kMask), static_cast<std::int64_t>(a[3] >> 56)};
}

// For values in [0, 2^256).
Limbs to_limbs(const Signed62& a) {
  const auto limb = [&](int i) { return static_cast<std::uint64_t>(a[static_cast<std::size_t>(i)]); };
  return {limb(0) | (limb(1) << 62), (limb(1) >> 2) | (limb(2) << 60), (limb(2) >> 4) | (limb(3) << 58),
          (limb(3) >> 6) | (limb(4) << 56)};
}

// All ones when `condition` holds; built from arithmetic so that no branch
// is needed, and passed through opaque() so that none is put back.
std::uint64_t mask_if(std::uint64_t bit) { return detail::opaque(0 - bit); }

// kStepsPerBatch divsteps on the low 64 bits of f and g: enough, since each
// step reads only the parity of g and loses one bit at the top.
Transition batch(std::int64_t& delta, std::uint64_t f, std::uint64_t g) {
  std::uint64_t u = 1, v = 0, q = 0, r = 1;
  for (int i = 0; i < kStepsPerBatch; ++i) {
    // delta > 0 and g odd: (f, g) = (g, -f) and delta = -delta first.
    const std::uint64_t g_odd = mask_if(g & 1);
    const std::uint64_t swap = mask_if(static_cast<std::uint64_t>(-delta) >> 63) & g_odd;
    const std::uint64_t f_old = f, u_old = u, v_old = v;
    f ^= (f ^ g) & swap;
    u ^= (u ^ q) & swap;
    v ^= (v ^ r) & swap;
    g ^= (g ^ (0 - f_old)) & swap;
    q ^= (q ^ (0 - u_old)) & swap;
    r ^= (r ^ (0 - v_old)) & swap;
    delta = static_cast<std::int64_t>((static_cast<std::uint64_t>(delta) ^ swap) - swap);
    // g odd: g += f.
    g += f & g_odd;
    q += u & g_odd;
    r += v & g_odd;
    // g /= 2, kept exact by doubling the other row instead.
    g = static_cast<std::uint64_t>(static_cast<std::int64_t>(g) >> 1);
    u <<= 1;
    v <<= 1;
    delta += 1;
  }
  return {static_cast<std::int64_t>(u), static_cast<std::int64_t>(v), static_cast<std::int64_t>(q),
          static_cast<std::int64_t>(r)};
}

// (a, b) = (u*a + v*b + ma*modulus, q*a + r*b + mb*modulus) / 2^62. For f
// and g the division is exact as it is (ma = mb = 0); for d and e, ma and
// mb are the multiples of the modulus that make it exact.
void apply(Signed62& a, Signed62& b, const Transition& t, const Signed62& modulus, std::uint64_t neg_inverse,
           bool modular) {
  i128 ca = static_cast<i128>(t.u) * a[0] + static_cast<i128>(t.v) * b[0];
  i128 cb = static_cast<i128>(t.q) * a[0] + static_cast<i128>(t.r) * b[0];
  const std::uint64_t use = modular ? kMask : 0;
  const std::int64_t ma = static_cast<std::int64_t>(static_cast<std::uint64_t>(ca) * neg_inverse & use);
  const std::int64_t mb = static_cast<std::int64_t>(static_cast<std::uint64_t>(cb) * neg_inverse & use);
  for (std::size_t i = 0; i < 5; ++i) {
    if (i > 0) {
      ca += static_cast<i128>(t.u) * a[i] + static_cast<i128>(t.v) * b[i];
      cb += static_cast<i128>(t.q) * a[i] + static_cast<i128>(t.r) * b[i];
    }
    ca += static_cast<i128>(ma) * modulus[i];
    cb += static_cast<i128>(mb) * modulus[i];
    if (i > 0) {
      a[i - 1] = static_cast<std::int64_t>(ca) & kMask;
      b[i - 1] = static_cast<std::int64_t>(cb) & kMask;
    }
    ca >>= kBits;
    cb >>= kBits;
  }
  a[4] = static_cast<std::int64_t>(ca);
  b[4] = static_cast<std::int64_t>(cb);
}

// a + sign*modulus where mask is all ones; a unchanged where it is zero.
void add_multiple(Signed62& a, const Signed62& modulus, std::int64_t sign, std::uint64_t mask) {
  std::int64_t carry = 0;
  for (std::size_t i = 0; i < 5; ++i) {
    const std::int64_t term = static_cast<std::int64_t>(static_cast<std::uint64_t>(modulus[i]) & mask);
    const std::int64_t sum = a[i] + sign * term + carry;
    a[i] = i < 4 ? sum & kMask : sum;
    carry = sum >> kBits;
  }
}

std::uint64_t sign_mask(const Signed62& a) { return mask_if(static_cast<std::uint64_t>(a[4]) >> 63); }

// Takes (-modulus, 2*modulus) into [0, modulus).
void normalize(Signed62& a, const Signed62& modulus) {
  add_multiple(a, modulus, 1, sign_mask(a));
  Signed62 reduced = a;
  add_multiple(reduced, modulus, -1, ~std::uint64_t{0});
  const std::uint64_t keep = sign_mask(reduced);
  for (std::size_t i = 0; i < 5; ++i) {
    const std::uint64_t chosen =
        (static_cast<std::uint64_t>(a[i]) & keep) | (static_cast<std::uint64_t>(reduced[i]) & ~keep);
    a[i] = static_cast<std::int64_t>(chosen);
  }
  wipe(reduced);
}

}  // namespace

Limbs divstep_inverse(const Limbs& a, const Limbs& modulus, std::uint64_t neg_inverse) {
  const Signed62 m = to_signed62(modulus);
  // Invariants: f = d*a and g = e*a modulo the modulus.
  Signed62 f = m;
  Signed62 g = to_signed62(a);
  Signed62 d{};
  Signed62 e{1, 0, 0, 0, 0};
  std::int64_t delta = 1;
  for (int i = 0; i < kBatches; ++i) {
    Transition t = batch(delta, static_cast<std::uint64_t>(f[0]) | (static_cast<std::uint64_t>(f[1]) << 62),
                         static_cast<std::uint64_t>(g[0]) | (static_cast<std::uint64_t>(g[1]) << 62));
    apply(f, g, t, m, neg_inverse, false);
    // d and e stay in [0, modulus): the step takes them to (-modulus, 2*modulus).
    apply(d, e, t, m, neg_inverse, true);
    normalize(d, m);
    normalize(e, m);
    wipe(t);
  }
  // Now g = 0 and f = gcd = +-1, so a^-1 = d*f: modulus - d when f = -1
  // (d is not zero then: only a = 0 leaves d = 0, with f = modulus).
  Limbs out = to_limbs(d);
  Limbs negated{};
  std::uint64_t borrow = 0;
  for (std::size_t i = 0; i < 4; ++i) negated[i] = detail::sub_borrow(modulus[i], out[i], borrow);
  out = detail::select(negated, out, sign_mask(f));
  wipe(negated);
  wipe(f);
  wipe(g);
  wipe(d);
  wipe(e);
  wipe(delta);
  return out;
}

}  // namespace korvo::curve
