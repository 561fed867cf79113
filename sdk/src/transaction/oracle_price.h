#pragma once
// Signed oracle price and its message hash.

#include <cstdint>
#include <string_view>

#include "encoding/u256.h"
#include "support/result.h"
#include "transaction/order_base.h"
#include "transaction/record_schema.h"

namespace korvo::transaction {

struct SignedOraclePrice {
  PackedPublicKeyValue signer_key;  // not hashed
  unsigned __int128 external_price = 0;
  std::uint32_t timestamp = 0;
  encoding::U256 signed_asset_id;

  static Result<SignedOraclePrice> from_json(std::string_view text);
  static const RecordSchema<SignedOraclePrice>& json_schema();
};

// hash2(signed_asset_id, external_price * 2^32 + timestamp).
encoding::U256 message_hash(const SignedOraclePrice& price);

}  // namespace korvo::transaction
