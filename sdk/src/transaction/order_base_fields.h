#pragma once
// The order header's JSON fields, flattened into the records that hold it.

#include "encoding/field_encodings.h"
#include "transaction/field_readers.h"
#include "transaction/order_base.h"
#include "transaction/record_schema.h"

namespace korvo::transaction {

// The header's fields as the flattened fields of a record that holds it in `base`.
template <class Record>
inline constexpr FieldSpec<Record> kOrderBaseFields[] = {
    {"nonce", read_within<&Record::base, read_encoded<encoding::U64SerdeAsString, &OrderBase::nonce>>},
    {"public_key", read_within<&Record::base, read_encoded<encoding::HexKeyString, &OrderBase::public_key>>},
    {"expiration_timestamp",
     read_within<&Record::base, read_encoded<encoding::U32SerdeAsString, &OrderBase::expiration_timestamp>>},
};

}  // namespace korvo::transaction
