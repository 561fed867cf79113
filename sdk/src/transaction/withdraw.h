#pragma once
// Withdrawal request and its message hash.

#include <cstdint>
#include <string_view>

#include "encoding/u256.h"
#include "support/result.h"
#include "transaction/order_base.h"
#include "transaction/record_schema.h"

namespace korvo::transaction {

struct WithdrawRequest {
  std::uint64_t position_id = 0;
  std::uint64_t amount = 0;
  PackedPublicKeyValue eth_address;
  encoding::U256 asset_id;
  OrderBase base;

  static Result<WithdrawRequest> from_json(std::string_view text);
  static const RecordSchema<WithdrawRequest>& json_schema();
};

// Tag 6 with the bare asset id when the withdrawal goes to the order's own
// key; tag 7 with the asset id hashed together with eth_address otherwise.
encoding::U256 withdrawal_hash(const WithdrawRequest& withdrawal, const encoding::U256& asset_id);

encoding::U256 message_hash(const WithdrawRequest& withdrawal);

}  // namespace korvo::transaction
