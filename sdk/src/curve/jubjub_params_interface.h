#pragma once
// What point arithmetic reads from a curve parameter set: the Edwards
// coefficient d of -x^2 + y^2 = 1 + d*x^2*y^2.

#include "curve/fr.h"

namespace korvo::curve {

class JubjubParams {
 public:
  constexpr explicit JubjubParams(const Fr& edwards_d) : edwards_d_(edwards_d) {}
  const Fr& edwards_d() const { return edwards_d_; }

  friend constexpr bool operator==(const JubjubParams&, const JubjubParams&) = default;

 private:
  Fr edwards_d_;
};

}  // namespace korvo::curve
