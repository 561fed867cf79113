#include "transaction/transfer.h"

#include "encoding/field_encodings.h"
#include "hash/poseidon_hasher.h"
#include "transaction/field_readers.h"
#include "transaction/order_base_fields.h"
#include "transaction/read_record.h"
#include "transaction/word_packing.h"

namespace korvo::transaction {

using namespace encoding;

namespace {

constexpr std::uint64_t kTagTransfer = 4;
constexpr std::uint64_t kTagConditionalTransfer = 5;

constexpr FieldSpec<Transfer> kFields[] = {
    {"sender_position_id", read_encoded<U64SerdeAsString, &Transfer::sender_position_id>},
    {"receiver_public_key", read_encoded<HexKeyString, &Transfer::receiver_public_key>},
    {"receiver_position_id", read_encoded<U64SerdeAsString, &Transfer::receiver_position_id>},
    {"amount", read_encoded<U64SerdeAsString, &Transfer::amount>},
    {"asset_id", read_encoded<U256SerdeAsRadix16Prefix0xString, &Transfer::asset_id>},
};

constexpr RecordSchema<Transfer> kSchema{"Transfer", kFields, kOrderBaseFields<Transfer>};

}  // namespace

const RecordSchema<Transfer>& Transfer::json_schema() { return kSchema; }

Result<Transfer> Transfer::from_json(std::string_view text) { return read_record<Transfer>(text); }

U256 transfer_hash_internal(const Transfer& transfer, std::uint64_t fee_position_id, std::uint64_t fee_asset_id,
                            std::uint64_t max_fee, std::uint64_t condition) {
  hash::zkw::Poseidon hasher;
  hasher.update_single(transfer.asset_id);
  hasher.update_single(fee_asset_id);
  std::uint64_t tag = kTagTransfer;
  if (condition != 0) {
    hasher.update_single(condition);
    tag = kTagConditionalTransfer;
  }
  U256 positions = U256::from_u64(transfer.sender_position_id);
  positions = append_field(positions, 64, transfer.receiver_position_id);
  positions = append_field(positions, 64, fee_position_id);
  positions = append_field(positions, 32, transfer.base.nonce);
  U256 amounts = U256::from_u64(tag);
  amounts = append_field(amounts, 64, transfer.amount);
  amounts = append_field(amounts, 64, max_fee);
  amounts = append_field(amounts, 32, transfer.base.expiration_timestamp);
  hasher.update_single(positions);
  hasher.update_single(amounts << 81);
  return hasher.finalize();
}

U256 message_hash(const Transfer& transfer) {
  return transfer_hash_internal(transfer, transfer.sender_position_id, 0, 0, 0);
}

}  // namespace korvo::transaction
