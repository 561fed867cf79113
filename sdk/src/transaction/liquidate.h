#pragma once
// Liquidation request. Its message hash is the limit-order hash of the
// liquidator's order; the other fields are read and checked only.

#include <cstdint>
#include <string_view>

#include "encoding/u256.h"
#include "support/result.h"
#include "transaction/limit_order.h"
#include "transaction/record_schema.h"

namespace korvo::transaction {

struct Liquidate {
  LimitOrderRequest liquidator_order;
  std::uint64_t liquidated_position_id = 0;
  std::uint64_t actual_collateral = 0;
  std::uint64_t actual_synthetic = 0;
  std::uint64_t actual_liquidator_fee = 0;

  static Result<Liquidate> from_json(std::string_view text);
  static const RecordSchema<Liquidate>& json_schema();
};

encoding::U256 message_hash(const Liquidate& liquidation);

}  // namespace korvo::transaction
