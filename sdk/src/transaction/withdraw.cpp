#include "transaction/withdraw.h"

#include "encoding/field_encodings.h"
#include "hash/hash2.h"
#include "transaction/field_readers.h"
#include "transaction/order_base_fields.h"
#include "transaction/read_record.h"
#include "transaction/word_packing.h"

namespace korvo::transaction {

using namespace encoding;

namespace {

constexpr std::uint64_t kTagToOwnKey = 6;
constexpr std::uint64_t kTagToOtherAddress = 7;

constexpr FieldSpec<WithdrawRequest> kFields[] = {
    {"position_id", read_encoded<U64SerdeAsString, &WithdrawRequest::position_id>},
    {"amount", read_encoded<U64SerdeAsString, &WithdrawRequest::amount>},
    {"eth_address", read_encoded<HexKeyString, &WithdrawRequest::eth_address>},
    {"asset_id", read_encoded<U256SerdeAsRadix16Prefix0xString, &WithdrawRequest::asset_id>},
};

constexpr RecordSchema<WithdrawRequest> kSchema{"WithdrawRequest", kFields,
                                          kOrderBaseFields<WithdrawRequest>};

}  // namespace

const RecordSchema<WithdrawRequest>& WithdrawRequest::json_schema() { return kSchema; }

Result<WithdrawRequest> WithdrawRequest::from_json(std::string_view text) {
  return read_record<WithdrawRequest>(text);
}

U256 withdrawal_hash(const WithdrawRequest& withdrawal, const U256& asset_id) {
  const bool to_own_key = withdrawal.eth_address == withdrawal.base.public_key;
  const U256 first = to_own_key ? asset_id : hash::hash2(asset_id, withdrawal.eth_address);
  U256 second = U256::from_u64(to_own_key ? kTagToOwnKey : kTagToOtherAddress);
  second = append_field(second, 64, withdrawal.position_id);
  second = append_field(second, 32, withdrawal.base.nonce);
  second = append_field(second, 64, withdrawal.amount);
  second = append_field(second, 32, withdrawal.base.expiration_timestamp);
  return hash::hash2(first, second << 49);
}

U256 message_hash(const WithdrawRequest& withdrawal) { return withdrawal_hash(withdrawal, withdrawal.asset_id); }

}  // namespace korvo::transaction
