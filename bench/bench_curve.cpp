// Medians of the curve hot paths: field multiplications, fixed-base and
// variable-base point multiplication, decompression, compression, and the
// one-time build of the curve parameters with the fixed-base table.

#include <array>
#include <chrono>
#include <cstdio>

#include "curve/fr.h"
#include "curve/fs.h"
#include "curve/joint_mul.h"
#include "curve/jubjub_params.h"
#include "curve/short_multiple.h"
#include "median.h"

namespace {

using Clock = std::chrono::steady_clock;
using korvo::bench::median_ns;
using korvo::bench::sink;

}  // namespace

int main() {
  using namespace korvo::curve;

  // The first use reads the shared parameters, constant data: one sample.
  const auto first = Clock::now();
  sink = jubjub_params().signing_generator().x().to_limbs()[0];
  const double first_use_ms = std::chrono::duration<double, std::milli>(Clock::now() - first).count();
  const double params_ms = median_ns(5, 1, [] { sink = AltJubjubBn256().signing_generator().x().to_limbs()[0]; }) / 1e6;

  Fr x = Fr::from_u64(3);
  const Fr y = Fr::from_u64(0x123456789abcdefull).square();
  const double fr_mul_ns = median_ns(101, 10000, [&] { x = x * y; });
  const double fr_square_ns = median_ns(101, 10000, [&] { x = x.square(); });
  sink = x.to_limbs()[0];
  Fs a = Fs::from_u64(3);
  const Fs b = Fs::from_u64(0x123456789abcdefull).square();
  const double fs_mul_ns = median_ns(101, 10000, [&] { a = a * b; });
  sink = a.to_limbs()[0];

  const auto& params = jubjub_params();
  const Point<PrimeOrder>& g = params.signing_generator();
  FsRepr k{0x0123456789abcdef, 0xfedcba9876543210, 0x0f1e2d3c4b5a6978, 0x0302010004050607};
  const double fixed_us = median_ns(51, 20, [&] {
    const auto p = params.mul_generator_ct(k);
    k[0] ^= p.x().to_limbs()[0] & 1;
  }) / 1e3;
  const Point<Unknown> base = g.doubled();
  const double variable_us = median_ns(51, 10, [&] {
    const auto p = mul_var(base, k, params);
    k[0] ^= p.x().to_limbs()[0] & 1;
  }) / 1e3;
  const double order_check_us =
      median_ns(51, 10, [&] { sink = mul_var(base, Fs::char_(), params).x().to_limbs()[0]; }) / 1e3;

  const double subgroup_us = median_ns(51, 20, [&] { sink = params.in_prime_subgroup_var(base); }) / 1e3;
  const double joint_us = median_ns(51, 10, [&] {
    const auto half = static_cast<unsigned __int128>(k[1]) << 64 | k[0];
    const auto p = params.mul_pair_add_generator_var(base, half, g, half >> 3, k);
    k[0] ^= p.x().to_limbs()[0] & 1;
  }) / 1e3;

  const double short_us = median_ns(51, 100, [&] {
    const auto m = short_multiple(k);
    k[0] ^= static_cast<std::uint64_t>(m.u) & 1;
  }) / 1e3;

  Point<Unknown> walker = base;
  const double double_ns = median_ns(51, 1000, [&] { walker = walker.doubled(); });
  const double add_ns = median_ns(51, 1000, [&] { walker = walker.add(base, params); });
  sink = walker.x().to_limbs()[0];

  const std::array<std::uint8_t, 32> packed = g.doubled().to_le_bytes();
  const double read_us =
      median_ns(51, 50, [&] { sink = Point<Unknown>::read_var(packed, params).value().x().to_limbs()[0]; }) / 1e3;
  const double write_us = median_ns(51, 50, [&] { sink = base.to_le_bytes()[0]; }) / 1e3;
  const double inverse_us = median_ns(51, 50, [&] { sink = y.invert().value.to_limbs()[0]; }) / 1e3;

  std::printf("Fr multiplication:            %8.2f ns\n", fr_mul_ns);
  std::printf("Fr squaring:                  %8.2f ns\n", fr_square_ns);
  std::printf("Fs multiplication:            %8.2f ns\n", fs_mul_ns);
  std::printf("point doubling:               %8.2f ns\n", double_ns);
  std::printf("point addition:               %8.2f ns\n", add_ns);
  std::printf("fixed-base multiplication:    %8.2f us\n", fixed_us);
  std::printf("variable-base multiplication: %8.2f us\n", variable_us);
  std::printf("order check (times s):        %8.2f us\n", order_check_us);
  std::printf("subgroup check (pairing):     %8.2f us\n", subgroup_us);
  std::printf("joint multiplication kP+lQ+mG:%8.2f us\n", joint_us);
  std::printf("short multiple of a scalar:   %8.2f us\n", short_us);
  std::printf("decompression (read):         %8.2f us\n", read_us);
  std::printf("compression (write):          %8.2f us\n", write_us);
  std::printf("Fr inverse:                   %8.2f us\n", inverse_us);
  std::printf("parameters with table:        %8.2f ms\n", params_ms);
  std::printf("first use (shared instance):  %8.2f ms\n", first_use_ms);
}
