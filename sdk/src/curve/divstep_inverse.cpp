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

// (f, g) = (u*f + v*g, q*f + r*g) / 2^62, exact by construction.
void update_fg(Signed62& f, Signed62& g, const Transition& t) {
  i128 cf = static_cast<i128>(t.u) * f[0] + static_cast<i128>(t.v) * g[0];
  i128 cg = static_cast<i128>(t.q) * f[0] + static_cast<i128>(t.r) * g[0];
  cf >>= kBits;
  cg >>= kBits;
  for (std::size_t i = 1; i < 5; ++i) {
    cf += static_cast<i128>(t.u) * f[i] + static_cast<i128>(t.v) * g[i];
    cg += static_cast<i128>(t.q) * f[i] + static_cast<i128>(t.r) * g[i];
    f[i - 1] = static_cast<std::int64_t>(cf) & kMask;
    g[i - 1] = static_cast<std::int64_t>(cg) & kMask;
    cf >>= kBits;
    cg >>= kBits;
  }
  f[4] = static_cast<std::int64_t>(cf);
  g[4] = static_cast<std::int64_t>(cg);
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

// (d, e) = (u*d + v*e, q*d + r*e) / 2^62 mod modulus, for d and e in
// [0, modulus): multiples of the modulus make the low 62 bits zero.
void update_de(Signed62& d, Signed62& e, const Transition& t, const Signed62& modulus,
               std::uint64_t neg_inverse) {
  i128 cd = static_cast<i128>(t.u) * d[0] + static_cast<i128>(t.v) * e[0];
  i128 ce = static_cast<i128>(t.q) * d[0] + static_cast<i128>(t.r) * e[0];
  const std::int64_t md = static_cast<std::int64_t>((static_cast<std::uint64_t>(cd) * neg_inverse) & kMask);
  const std::int64_t me = static_cast<std::int64_t>((static_cast<std::uint64_t>(ce) * neg_inverse) & kMask);
  cd += static_cast<i128>(md) * modulus[0];
  ce += static_cast<i128>(me) * modulus[0];
  cd >>= kBits;
  ce >>= kBits;
  for (std::size_t i = 1; i < 5; ++i) {
    cd += static_cast<i128>(t.u) * d[i] + static_cast<i128>(t.v) * e[i] + static_cast<i128>(md) * modulus[i];
    ce += static_cast<i128>(t.q) * d[i] + static_cast<i128>(t.r) * e[i] + static_cast<i128>(me) * modulus[i];
    d[i - 1] = static_cast<std::int64_t>(cd) & kMask;
    e[i - 1] = static_cast<std::int64_t>(ce) & kMask;
    cd >>= kBits;
    ce >>= kBits;
  }
  d[4] = static_cast<std::int64_t>(cd);
  e[4] = static_cast<std::int64_t>(ce);
  normalize(d, modulus);
  normalize(e, modulus);
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
    update_fg(f, g, t);
    update_de(d, e, t, m, neg_inverse);
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
