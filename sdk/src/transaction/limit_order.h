#pragma once
// Limit order request and its message hash.

#include <cstdint>
#include <string_view>

#include "encoding/u256.h"
#include "hash/poseidon_hasher.h"
#include "support/result.h"
#include "transaction/order_base.h"
#include "transaction/record_schema.h"

namespace korvo::transaction {

struct LimitOrderRequest {
  std::uint64_t amount_synthetic = 0;
  std::uint64_t amount_collateral = 0;
  std::uint64_t amount_fee = 0;
  __int128 asset_id_synthetic = 0;  // negative values parse but do not hash
  encoding::U256 asset_id_collateral;
  std::uint64_t position_id = 0;
  bool is_buying_synthetic = false;
  OrderBase base;

  static Result<LimitOrderRequest> from_json(std::string_view text);
  static const RecordSchema<LimitOrderRequest>& json_schema();
};

// The two sides of an order as the hash sees them.
struct OrderSides {
  encoding::U256 sold_asset;
  encoding::U256 bought_asset;
  std::uint64_t sold_amount = 0;
  std::uint64_t bought_amount = 0;
};

// The hasher with the order's words absorbed, not yet finalized: batches
// finalize two at a time.
hash::zkw::Poseidon limit_order_hasher(const OrderSides& sides, const encoding::U256& asset_id_collateral,
                                       std::uint64_t amount_fee, std::uint64_t position_id, const OrderBase& base);
encoding::U256 limit_order_hash_internal(const OrderSides& sides, const encoding::U256& asset_id_collateral,
                                         std::uint64_t amount_fee, std::uint64_t position_id, const OrderBase& base);

// A negative asset_id_synthetic is an internal failure
// "Unsigned integer can't be created from negative value".
encoding::U256 message_hash(const LimitOrderRequest& order);
hash::zkw::Poseidon message_hasher(const LimitOrderRequest& order);

}  // namespace korvo::transaction
