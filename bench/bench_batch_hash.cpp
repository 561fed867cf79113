// Where the time of a batch of 64 limit-order hashes goes, per order: reading
// the JSON, the words and permutation alone and paired, and the
// whole batch (two permutations in flight) against 64 single operations.
// Measured in turns, the quietest round of each.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "lib/batch_hash.h"
#include "lib/operations.h"
#include "median.h"
#include "transaction/limit_order.h"

namespace {

constexpr int kOrders = 64;

std::string order_json(int nonce) {
  return std::string(R"({"amount_synthetic":"1000000","amount_collateral":"25000000","amount_fee":"1000",)") +
         R"("asset_id_synthetic":"0x4254432d3130",)" +
         R"("asset_id_collateral":"0x02893294412a4c8f915f75892b395ebbf6859ec246ec365c3b1f56f47c3a0a5d",)" +
         R"("position_id":"42","nonce":")" + std::to_string(nonce) +
         R"(","public_key":"0x0144bacff5c8c75939b3ab81db61019307ed8b88a0b4fca33cac0edb6aa7161f",)" +
         R"("expiration_timestamp":"1735689600","is_buying_synthetic":)" + (nonce % 2 ? "true}" : "false}");
}

}  // namespace

int main() {
  using namespace korvo;
  using bench::median_ns;
  using bench::sink;

  std::vector<std::string> texts;
  for (int n = 0; n < kOrders; ++n) texts.push_back(order_json(n));
  const std::vector<std::string_view> views(texts.begin(), texts.end());
  const auto order = transaction::LimitOrderRequest::from_json(views[0]).value();

  double read = 1e300, single = 1e300, pair = 1e300, batch = 1e300, singles = 1e300;
  for (int round = 0; round < 15; ++round) {
    read = std::min(read, median_ns(5, 200, [&] {
                      sink = transaction::LimitOrderRequest::from_json(views[0]).value().amount_fee;
                    }));
    single = std::min(single, median_ns(5, 40, [&] { sink = transaction::message_hash(order).limb(0); }));
    pair = std::min(pair, median_ns(5, 20, [&] {
                      auto a = transaction::message_hasher(order);
                      auto b = transaction::message_hasher(order);
                      sink = hash::zkw::Poseidon::finalize_pair(a, b)[1].limb(0);
                    }) / 2);
    batch = std::min(batch, median_ns(3, 2, [&] { sink = lib::hash_limit_order_prefix(views).size(); }) / kOrders);
    singles = std::min(singles, median_ns(3, 2, [&] {
                         for (std::string_view json : views) sink = lib::hash_limit_order(json).value().size();
                       }) / kOrders);
  }
  std::printf("per limit order, quietest of 15 rounds:\n");
  std::printf("  read the JSON:                    %8.2f us\n", read / 1e3);
  std::printf("  words and one permutation:        %8.2f us\n", single / 1e3);
  std::printf("  words and half a paired finalize: %8.2f us (%.2fx)\n", pair / 1e3, single / pair);
  std::printf("  64 single hash operations:        %8.2f us\n", singles / 1e3);
  std::printf("  one batch of 64 (paired):         %8.2f us (%.2fx the singles)\n", batch / 1e3, singles / batch);
  return 0;
}
