#include "transaction/oracle_price.h"

#include "encoding/field_encodings.h"
#include "hash/hash2.h"
#include "transaction/field_readers.h"
#include "transaction/read_record.h"
#include "transaction/word_packing.h"

namespace korvo::transaction {

using namespace encoding;

namespace {

constexpr FieldSpec<SignedOraclePrice> kFields[] = {
    {"signer_key", read_encoded<HexKeyString, &SignedOraclePrice::signer_key>},
    {"external_price", read_encoded<U128SerdeAsString, &SignedOraclePrice::external_price>},
    {"timestamp", read_encoded<U32SerdeAsString, &SignedOraclePrice::timestamp>},
    {"signed_asset_id", read_encoded<U256SerdeAsRadix16Prefix0xString, &SignedOraclePrice::signed_asset_id>},
};

constexpr RecordSchema<SignedOraclePrice> kSchema{"SignedOraclePrice", kFields};

}  // namespace

const RecordSchema<SignedOraclePrice>& SignedOraclePrice::json_schema() { return kSchema; }

Result<SignedOraclePrice> SignedOraclePrice::from_json(std::string_view text) {
  return read_record<SignedOraclePrice>(text);
}

U256 message_hash(const SignedOraclePrice& price) {
  return hash::hash2(price.signed_asset_id, append_field(U256::from_u128(price.external_price), 32, price.timestamp));
}

}  // namespace korvo::transaction
