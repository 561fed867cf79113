#include "lib/batch_hash.h"

#include <exception>
#include <optional>

#include "transaction/limit_order.h"

namespace korvo::lib {

namespace {

// The order's hasher, or nullopt when the text does not read or the order
// does not hash (a negative asset_id_synthetic).
std::optional<hash::zkw::Poseidon> order_hasher(std::string_view json) {
  auto order = transaction::LimitOrderRequest::from_json(json);
  if (!order) return std::nullopt;
  try {
    return transaction::message_hasher(order.value());
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace

std::vector<std::string> hash_limit_order_prefix(std::span<const std::string_view> jsons) {
  std::vector<hash::zkw::Poseidon> hashers;
  hashers.reserve(jsons.size());
  for (std::string_view json : jsons) {
    auto hasher = order_hasher(json);
    if (!hasher) break;
    hashers.push_back(std::move(*hasher));
  }
  std::vector<std::string> texts;
  texts.reserve(hashers.size());
  try {
    std::size_t i = 0;
    for (; i + 1 < hashers.size(); i += 2) {
      const auto hashes = hash::zkw::Poseidon::finalize_pair(hashers[i], hashers[i + 1]);
      texts.push_back(hashes[0].to_hex());
      texts.push_back(hashes[1].to_hex());
    }
    if (i < hashers.size()) texts.push_back(hashers[i].finalize().to_hex());
  } catch (const std::exception&) {
    // A check inside the hasher: the single operations say what it is.
    texts.clear();
  }
  return texts;
}

}  // namespace korvo::lib
