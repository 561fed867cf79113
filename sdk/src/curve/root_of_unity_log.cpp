#include "curve/root_of_unity_log.h"

#include <array>

#include "support/failure.h"

namespace korvo::curve {
namespace {

constexpr int kWindow = kRootOfUnityWindow;
constexpr int kWindows = kTwoAdicity / kWindow;
constexpr std::uint32_t kEntries = 1u << kWindow;

// Evaluated by the compiler: z^-1 = z^(2^28 - 1), as z has order 2^28.
constexpr RootOfUnityTables inverse_power_tables() {
  RootOfUnityTables out{};
  Fr step = kRootOfUnity.pow(Limbs{(std::uint64_t{1} << kTwoAdicity) - 1, 0, 0, 0});
  for (auto& row : out) {
    row[0] = Fr::one();
    for (std::uint32_t j = 1; j < kEntries; ++j) row[j] = row[j - 1] * step;
    step = row[kEntries - 1] * step;
  }
  return out;
}

}  // namespace

constexpr RootOfUnityTables kRootOfUnityInversePowers = inverse_power_tables();

namespace {

// j with c = z^(j * 2^21), c a root of order dividing 128.
std::uint32_t window_log(const Fr& c) {
  const auto& last = kRootOfUnityInversePowers[kWindows - 1];
  for (std::uint32_t j = 0; j < kEntries; ++j) {
    if (last[j] == c) return (kEntries - j) % kEntries;
  }
  fail("not a 2^28-th root of unity");
}

}  // namespace

std::uint32_t root_of_unity_log_var(const Fr& b) {
  // With e = e_0 + 2^7 e_1 + ...: (b * z^-(e mod 2^7k))^(2^(21 - 7k)) = z^(e_k * 2^21).
  std::uint32_t e = 0;
  Fr rest = b;
  for (int k = 0; k < kWindows; ++k) {
    Fr c = rest;
    for (int i = 0; i < kTwoAdicity - kWindow * (k + 1); ++i) c = c.square();
    const std::uint32_t digit = window_log(c);
    e |= digit << (kWindow * k);
    rest *= kRootOfUnityInversePowers[static_cast<std::size_t>(k)][digit];
  }
  return e;
}

Fr root_of_unity_inverse_power_var(std::uint32_t e) {
  Fr out = Fr::one();
  for (int k = 0; k < kWindows; ++k) {
    out *= kRootOfUnityInversePowers[static_cast<std::size_t>(k)][(e >> (kWindow * k)) % kEntries];
  }
  return out;
}

}  // namespace korvo::curve
