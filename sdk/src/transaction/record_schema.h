#pragma once
// What a record's JSON form consists of: its struct name and its fields in
// declaration order, each with the reader of its value.

#include <span>
#include <string_view>

#include "transaction/json_value.h"

namespace korvo::transaction {

class JsonReader;

template <class Record>
struct FieldSpec {
  std::string_view key;
  // Reads the field's value into the record; false after reader.fail(...).
  bool (*read)(JsonReader& reader, Record& record, const JsonValue& value);
};

template <class Record>
struct RecordSchema {
  std::string_view name;  // as in "expected struct WithdrawRequest"
  std::span<const FieldSpec<Record>> fields;
};

}  // namespace korvo::transaction
