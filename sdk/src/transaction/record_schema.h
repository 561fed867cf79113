#pragma once
// What a record's JSON form consists of: its struct name and its fields in
// declaration order, each with the reader of its value.

#include <span>
#include <string_view>

#include "transaction/frame.h"
#include "transaction/json_value.h"

namespace korvo::transaction {

template <class Record>
struct FieldSpec {
  std::string_view key;
  // Reads the field's value into the record.
  Step (*read)(Record& record, const JsonValue& value);
};

template <class Record>
struct RecordSchema {
  std::string_view name;  // as in "expected struct WithdrawRequest"
  std::span<const FieldSpec<Record>> fields;
  // The fields of a header flattened into the record: their keys stand among
  // the record's own. Their members are kept aside and read, in text order
  // as if they formed an object of their own, once the object has ended and
  // the record's own fields are complete. A record with a flattened header
  // is read from an object only.
  std::span<const FieldSpec<Record>> flattened = {};
};

}  // namespace korvo::transaction
