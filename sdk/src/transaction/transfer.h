#pragma once
// Transfer between positions and its message hash.

#include <cstdint>
#include <string_view>

#include "encoding/u256.h"
#include "support/result.h"
#include "transaction/order_base.h"
#include "transaction/record_schema.h"

namespace korvo::transaction {

struct Transfer {
  std::uint64_t sender_position_id = 0;
  PackedPublicKeyValue receiver_public_key;  // not hashed
  std::uint64_t receiver_position_id = 0;
  std::uint64_t amount = 0;
  encoding::U256 asset_id;
  OrderBase base;

  static Result<Transfer> from_json(std::string_view text);
  static const RecordSchema<Transfer>& json_schema();
};

// A non-zero `condition` is absorbed too and switches the tag from 4 to 5.
encoding::U256 transfer_hash_internal(const Transfer& transfer, std::uint64_t fee_position_id,
                                      std::uint64_t fee_asset_id, std::uint64_t max_fee, std::uint64_t condition);

// The sender pays no fee: fee position = sender, fee asset 0, maximum fee 0,
// no condition.
encoding::U256 message_hash(const Transfer& transfer);

}  // namespace korvo::transaction
