#pragma once
// Baby JubJub points in extended twisted Edwards coordinates (x, y, t, z):
// affine (x/z, y/z), t*z = x*y, a = -1. The type records whether a point is
// known to lie in the prime-order subgroup; only cofactor clearing (and the
// parameter set's generators) produce PrimeOrder points.
//
// Every operation is constant-time unless its name ends in _var or its
// comment says which inputs must be public. Bounds: every point these
// operations accept or return has z non-zero and, unless stated otherwise,
// t*z = x*y; coordinates are field elements, always reduced.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <type_traits>
#include <utility>

#include "curve/fr.h"
#include "curve/fs.h"
#include "curve/jubjub_params_interface.h"

namespace korvo::curve {

struct PrimeOrder {};
struct Unknown {};

// The 32-byte compression of affine (x, y): y little-endian, bit 255 set when
// x is odd.
std::array<std::uint8_t, 32> compress_affine(const Fr& x, const Fr& y);

// A point with z = 1 prepared for mixed addition: (y + x, y - x, 2*d*x*y).
struct AffineNiels {
  Fr y_plus_x = Fr::one();
  Fr y_minus_x = Fr::one();
  Fr xy2d = Fr::zero();

  // The prepared form of the negated point (-x, y).
  AffineNiels negated() const { return {y_minus_x, y_plus_x, -xy2d}; }

  friend constexpr bool operator==(const AffineNiels&, const AffineNiels&) = default;
};

class AltJubjubBn256;

template <class Subgroup>
class Point {
  static_assert(std::is_same_v<Subgroup, PrimeOrder> || std::is_same_v<Subgroup, Unknown>);

 public:
  constexpr Point() = default;

  // Forgetting subgroup membership is always allowed.
  template <class Other>
    requires(std::is_same_v<Subgroup, Unknown>)
  constexpr Point(const Point<Other>& other) : x_(other.x_), y_(other.y_), t_(other.t_), z_(other.z_) {}

  static constexpr Point zero() { return Point(); }

  // Nothing when (x, y) is off the curve; no subgroup check. Whether the
  // point is on the curve shows in the result: for public points.
  static std::optional<Point> from_xy(const Fr& x, const Fr& y, const JubjubParams& params)
    requires(std::is_same_v<Subgroup, Unknown>);

  // Decompresses y little-endian with the parity of x in bit 255: nothing
  // when y is not below r or no curve point has that y. Variable time (a
  // square root): for public encodings only.
  static std::optional<Point> read_var(std::span<const std::uint8_t, 32> bytes, const JubjubParams& params)
    requires(std::is_same_v<Subgroup, Unknown>);

  // Affine coordinates. z is never zero for points made by these operations.
  // The inversion takes the same time for every z, which may carry
  // information about a secret scalar.
  std::pair<Fr, Fr> into_xy() const;

  // The compression that `read_var` accepts.
  void write(std::span<std::uint8_t, 32> out) const;
  std::array<std::uint8_t, 32> to_le_bytes() const;

  // Unified addition; complete on this curve (a square, d non-square).
  // 9 products (one by d).
  Point add(const Point& other, const JubjubParams& params) const {
    const Fr a = x_ * other.x_;
    const Fr b = y_ * other.y_;
    const Fr c = params.edwards_d() * t_ * other.t_;
    const Fr d = z_ * other.z_;
    const Fr h = b + a;
    const Fr e = (x_ + y_) * (other.x_ + other.y_) - a - b;
    return from_efgh(e, d - c, d + c, h);
  }

  // Mixed addition with a prepared point; same sum as `add` up to scaling.
  // 7 products.
  Point add(const AffineNiels& other) const {
    const Fr a = (y_ - x_) * other.y_minus_x;
    const Fr b = (y_ + x_) * other.y_plus_x;
    const Fr c = t_ * other.xy2d;
    const Fr d = z_.doubled();
    return from_efgh(b - a, d - c, d + c, b + a);
  }

  Point doubled() const {
    const Completed d = doubling();
    return from_efgh(d.e, d.f, d.g, d.h);
  }

  // Doubling that leaves t unset (the result breaks t*z = x*y): it may only
  // be doubled again, as neither doubling reads t.
  Point doubled_without_t() const {
    const Completed d = doubling();
    return Point(d.e * d.f, d.g * d.h, Fr::zero(), d.f * d.g);
  }

  Point negate() const { return Point(-x_, y_, -t_, z_); }

  Point<PrimeOrder> mul_by_cofactor() const {
    const Point p = doubled().doubled().doubled();
    return Point<PrimeOrder>(p.x_, p.y_, p.t_, p.z_);
  }

  // Same affine point (projective comparison); constant-time, both
  // coordinates compared whatever the first gives.
  template <class Other>
  bool operator==(const Point<Other>& o) const {
    const bool same_x = x_ * o.z_ == o.x_ * z_;
    const bool same_y = y_ * o.z_ == o.y_ * z_;
    return same_x & same_y;
  }

  const Fr& x() const { return x_; }
  const Fr& y() const { return y_; }
  const Fr& z() const { return z_; }

 private:
  template <class>
  friend class Point;
  // Its generator is written out as constant data.
  friend class AltJubjubBn256;

  constexpr Point(const Fr& x, const Fr& y, const Fr& t, const Fr& z) : x_(x), y_(y), t_(t), z_(z) {}

  // The last step shared by addition and doubling.
  [[gnu::always_inline]] static Point from_efgh(const Fr& e, const Fr& f, const Fr& g, const Fr& h) {
    return Point(e * f, g * h, e * h, f * g);
  }

  // The doubling of this point in completed coordinates ((E, G), (H, F));
  // it reads neither t nor d.
  struct Completed {
    Fr e, f, g, h;
  };
  [[gnu::always_inline]] Completed doubling() const {
    const Fr a = x_.square();
    const Fr b = y_.square();
    const Fr c = z_.square().doubled();
    const Fr e = (x_ + y_).square() - a - b;
    const Fr g = b - a;
    return {e, g - c, g, -a - b};
  }

  Fr x_ = Fr::zero();
  Fr y_ = Fr::one();
  Fr t_ = Fr::zero();
  Fr z_ = Fr::one();
};

extern template class Point<PrimeOrder>;
extern template class Point<Unknown>;

}  // namespace korvo::curve
