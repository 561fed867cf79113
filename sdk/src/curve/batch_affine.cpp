#include "curve/batch_affine.h"

namespace korvo::curve {

std::vector<AffineNiels> to_affine_niels(std::span<const Point<PrimeOrder>> points, const JubjubParams& params) {
  std::vector<Fr> prefix(points.size());
  Fr running = Fr::one();
  for (std::size_t i = 0; i < points.size(); ++i) {
    prefix[i] = running;
    running *= points[i].z();
  }
  Fr inverse = running.invert().value;
  std::vector<AffineNiels> out(points.size());
  for (std::size_t i = points.size(); i-- > 0;) {
    const Fr z_inverse = inverse * prefix[i];
    inverse *= points[i].z();
    const Fr x = points[i].x() * z_inverse;
    const Fr y = points[i].y() * z_inverse;
    out[i] = AffineNiels{y + x, y - x, (params.edwards_d() * x * y).doubled()};
  }
  return out;
}

}  // namespace korvo::curve
