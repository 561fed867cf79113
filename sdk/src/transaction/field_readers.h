#pragma once
// Readers of one field's JSON value, bound to the record member they fill:
// the string encodings, booleans and nested records.

#include <string>

#include "transaction/json_reader.h"
#include "transaction/json_value.h"
#include "transaction/record_frame.h"

namespace korvo::transaction {

template <class>
struct MemberPointer;
template <class Class, class Type>
struct MemberPointer<Type Class::*> {
  using Record = Class;
};
template <auto Member>
using RecordOf = typename MemberPointer<decltype(Member)>::Record;

// A JSON string parsed with `Encoding`; its errors are the encoding's texts.
// A value of another JSON kind is reported where it ends, a string that does
// not parse where its member ends.
template <class Encoding, auto Member>
bool read_encoded(JsonReader& reader, RecordOf<Member>& record, const JsonValue& value) {
  const auto* text = std::get_if<std::string>(&value);
  if (text == nullptr) return reader.fail(invalid_type_text(value, "a string"));
  auto parsed = Encoding::parse(*text);
  if (!parsed) return reader.fail(parsed.error().description, JsonReader::ErrorAt::kMemberEnd);
  record.*Member = parsed.value();
  return true;
}

template <auto Member>
bool read_boolean(JsonReader& reader, RecordOf<Member>& record, const JsonValue& value) {
  const auto* flag = std::get_if<bool>(&value);
  if (flag == nullptr) return reader.fail(invalid_type_text(value, "a boolean"));
  record.*Member = *flag;
  return true;
}

// A record nested as the member's value.
template <auto Member>
bool read_nested(JsonReader& reader, RecordOf<Member>& record, const JsonValue& value) {
  return begin_record(reader, value, record.*Member);
}

}  // namespace korvo::transaction
