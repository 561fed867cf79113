#pragma once
// Readers of one field's JSON value, bound to the record member they fill:
// the string encodings, booleans, nested records and the fields of a member
// record.

#include <string>

#include "transaction/begin_record.h"
#include "transaction/frame.h"
#include "transaction/json_value.h"

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
Step read_encoded(RecordOf<Member>& record, const JsonValue& value) {
  const auto* text = std::get_if<std::string>(&value);
  if (text == nullptr) return Failure{invalid_type_text(value, "a string")};
  auto parsed = Encoding::parse(*text);
  if (!parsed) return Failure{parsed.error().description, ErrorAt::kMemberEnd};
  record.*Member = parsed.value();
  return Continue{};
}

template <auto Member>
Step read_boolean(RecordOf<Member>& record, const JsonValue& value) {
  const auto* flag = std::get_if<bool>(&value);
  if (flag == nullptr) return Failure{invalid_type_text(value, "a boolean")};
  record.*Member = *flag;
  return Continue{};
}

// A record nested as the member's value.
template <auto Member>
Step read_nested(RecordOf<Member>& record, const JsonValue& value) {
  return begin_record(value, record.*Member);
}

// A field of the record held in `Member`, read with `read_field`: how a
// flattened header's fields become fields of the record that holds it.
template <auto Member, auto read_field>
Step read_within(RecordOf<Member>& record, const JsonValue& value) {
  return read_field(record.*Member, value);
}

}  // namespace korvo::transaction
