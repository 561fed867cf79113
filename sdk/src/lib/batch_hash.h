#pragma once
// Hashes of many limit orders with two permutations in flight at a time:
// the last (here the only) permutation of two independent orders runs
// interleaved, which hides the latency of each partial round's S-box.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvo::lib {

// The hash texts of a prefix of `jsons`, in order, each equal to
// hash_limit_order's of the same text. The prefix ends before the first
// order that does not read or hash (it is empty if a check inside the
// hasher stops it): the caller runs hash_limit_order from there on, which
// hashes or reports each remaining order as a single call does.
std::vector<std::string> hash_limit_order_prefix(std::span<const std::string_view> jsons);

}  // namespace korvo::lib
