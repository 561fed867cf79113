#pragma once
// The step that starts reading a record from the value that opens it.

#include <memory>
#include <string>
#include <variant>

#include "transaction/frame.h"
#include "transaction/json_value.h"
#include "transaction/record_frame.h"

namespace korvo::transaction {

// `value` must open an object, or an array for a record without a flattened
// header.
template <class Record>
Step begin_record(const JsonValue& value, Record& record) {
  using Form = typename RecordFrame<Record>::Form;
  const auto& schema = Record::json_schema();
  if (std::holds_alternative<JsonMapStart>(value)) {
    return Descend{std::make_unique<RecordFrame<Record>>(record, Form::kObject)};
  }
  if (std::holds_alternative<JsonSequenceStart>(value) && schema.flattened.empty()) {
    return Descend{std::make_unique<RecordFrame<Record>>(record, Form::kArray)};
  }
  return Failure{invalid_type_text(value, "struct " + std::string(schema.name))};
}

}  // namespace korvo::transaction
