#include "transaction/order_base.h"

#include "encoding/field_encodings.h"
#include "transaction/field_readers.h"

namespace korvo::transaction {

using namespace encoding;

namespace {

constexpr FieldSpec<OrderBase> kFields[] = {
    {"nonce", read_encoded<U64SerdeAsString, &OrderBase::nonce>},
    {"public_key", read_encoded<HexKeyString, &OrderBase::public_key>},
    {"expiration_timestamp", read_encoded<U32SerdeAsString, &OrderBase::expiration_timestamp>},
};

}  // namespace

std::span<const FieldSpec<OrderBase>> OrderBase::json_fields() { return kFields; }

}  // namespace korvo::transaction
