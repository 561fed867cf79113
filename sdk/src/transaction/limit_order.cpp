#include "transaction/limit_order.h"

#include "encoding/field_encodings.h"
#include "hash/poseidon_hasher.h"
#include "transaction/field_readers.h"
#include "transaction/order_base_fields.h"
#include "transaction/read_record.h"
#include "transaction/word_packing.h"

namespace korvo::transaction {

using namespace encoding;

namespace {

constexpr std::uint64_t kTagLimitOrder = 3;

constexpr FieldSpec<LimitOrderRequest> kFields[] = {
    {"amount_synthetic", read_encoded<U64SerdeAsString, &LimitOrderRequest::amount_synthetic>},
    {"amount_collateral", read_encoded<U64SerdeAsString, &LimitOrderRequest::amount_collateral>},
    {"amount_fee", read_encoded<U64SerdeAsString, &LimitOrderRequest::amount_fee>},
    {"asset_id_synthetic", read_encoded<I128SerdeAsRadix16Prefix0xString, &LimitOrderRequest::asset_id_synthetic>},
    {"asset_id_collateral",
     read_encoded<U256SerdeAsRadix16Prefix0xString, &LimitOrderRequest::asset_id_collateral>},
    {"position_id", read_encoded<U64SerdeAsString, &LimitOrderRequest::position_id>},
    {"is_buying_synthetic", read_boolean<&LimitOrderRequest::is_buying_synthetic>},
};

constexpr RecordSchema<LimitOrderRequest> kSchema{"LimitOrderRequest", kFields,
                                            kOrderBaseFields<LimitOrderRequest>};

}  // namespace

const RecordSchema<LimitOrderRequest>& LimitOrderRequest::json_schema() { return kSchema; }

Result<LimitOrderRequest> LimitOrderRequest::from_json(std::string_view text) {
  return read_record<LimitOrderRequest>(text);
}

hash::zkw::Poseidon limit_order_hasher(const OrderSides& sides, const U256& asset_id_collateral,
                                       std::uint64_t amount_fee, std::uint64_t position_id, const OrderBase& base) {
  U256 amounts = U256::from_u64(sides.sold_amount);
  amounts = append_field(amounts, 64, sides.bought_amount);
  amounts = append_field(amounts, 64, amount_fee);
  amounts = amounts << 32;
  // The nonce shares the lowest limb with the fee's low half and wraps
  // within it instead of carrying.
  U256::Limbs limbs = amounts.limbs();
  limbs[0] += base.nonce;
  amounts = U256(limbs);

  U256 positions = U256::from_u64(kTagLimitOrder);
  positions = append_field(positions, 64, position_id);
  positions = append_field(positions, 64, position_id);
  positions = append_field(positions, 64, position_id);
  positions = append_field(positions, 32, base.expiration_timestamp);

  hash::zkw::Poseidon hasher;
  hasher.update_single(sides.sold_asset);
  hasher.update_single(sides.bought_asset);
  hasher.update_single(asset_id_collateral);
  hasher.update_single(amounts);
  hasher.update_single(positions << 17);
  return hasher;
}

U256 limit_order_hash_internal(const OrderSides& sides, const U256& asset_id_collateral, std::uint64_t amount_fee,
                               std::uint64_t position_id, const OrderBase& base) {
  return limit_order_hasher(sides, asset_id_collateral, amount_fee, position_id, base).finalize();
}

hash::zkw::Poseidon message_hasher(const LimitOrderRequest& order) {
  const U256 synthetic = U256::from_i128(order.asset_id_synthetic);
  const OrderSides sides =
      order.is_buying_synthetic
          ? OrderSides{order.asset_id_collateral, synthetic, order.amount_collateral, order.amount_synthetic}
          : OrderSides{synthetic, order.asset_id_collateral, order.amount_synthetic, order.amount_collateral};
  return limit_order_hasher(sides, order.asset_id_collateral, order.amount_fee, order.position_id, order.base);
}

U256 message_hash(const LimitOrderRequest& order) { return message_hasher(order).finalize(); }

}  // namespace korvo::transaction
