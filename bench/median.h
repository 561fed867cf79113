#pragma once
// Timing helper shared by the benchmarks.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

namespace korvo::bench {

// Stores results the optimiser must not drop.
inline volatile std::uint64_t sink;

// Median over `rounds` of the time per call of `batch` calls, in nanoseconds.
template <class F>
double median_ns(int rounds, int batch, F&& body) {
  using Clock = std::chrono::steady_clock;
  std::vector<double> samples;
  for (int r = 0; r < rounds; ++r) {
    const auto start = Clock::now();
    for (int i = 0; i < batch; ++i) body();
    const std::chrono::duration<double, std::nano> elapsed = Clock::now() - start;
    samples.push_back(elapsed.count() / batch);
  }
  std::nth_element(samples.begin(), samples.begin() + rounds / 2, samples.end());
  return samples[rounds / 2];
}

}  // namespace korvo::bench
