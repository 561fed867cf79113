#pragma once
// Exact membership test for the prime-order subgroup at the cost of one
// exponentiation, instead of a multiplication by the subgroup order.
//
// The group of points is cyclic of order 8*s (its 2-torsion is a single
// point because d is not a square), so the subgroup of order s is 8E, the
// multiples of 8. With T a point of order 8 and f a function with divisor
// 8(T) - 8(O), the reduced pairing t(T, P) = f(P)^((r-1)/8) is defined
// since 8 divides r - 1 and is non-degenerate: it is 1 exactly on 8E. Any
// scaling of f is fixed by comparing with a point known to be in 8E.
// f is built from tangent and vertical lines on the equivalent Montgomery
// curve; their zeros and poles lie on the 8-torsion, which is tested apart.

#include "curve/fr.h"
#include "curve/point.h"

namespace korvo::curve {

class SubgroupCheck {
 public:
  // A non-vertical line v = lambda*u + mu of the Montgomery curve.
  struct Line {
    Fr lambda;
    Fr mu;

    friend constexpr bool operator==(const Line&, const Line&) = default;
  };

  // The lines of f and the pairing's value on the subgroup.
  struct Constants {
    Line tangent_t;     // at T
    Line tangent_2t;    // at 2T
    Fr u_2t;            // vertical line through 2T and -2T
    Fr u_4t;            // the tangent at 4T, of order 2, is vertical
    Fr subgroup_value;  // the pairing's value on the whole subgroup

    friend constexpr bool operator==(const Constants&, const Constants&) = default;
  };

  // Computes the constants; `member` is any point of the subgroup other than zero.
  SubgroupCheck(const JubjubParams& params, const Point<PrimeOrder>& member);
  // Constants computed before, kept as constant data.
  constexpr explicit SubgroupCheck(const Constants& constants) : constants_(constants) {}

  const Constants& constants() const { return constants_; }
  friend constexpr bool operator==(const SubgroupCheck&, const SubgroupCheck&) = default;

  // True exactly when s*p is the neutral point. Variable time: public
  // points only.
  bool contains_var(const Point<Unknown>& p) const;
  // contains_var(p) && contains_var(q), with the two exponentiations
  // interleaved: each one's squarings wait on their own previous result,
  // and the other's fill the gap.
  bool contains_both_var(const Point<Unknown>& p, const Point<Unknown>& q) const;

 private:
  // f(p) up to an eighth power, for a point outside the 8-torsion; raised
  // to (r-1)/8 it gives the pairing.
  Fr function_value_var(const Point<Unknown>& p) const;

  Constants constants_;
};

}  // namespace korvo::curve
