#pragma once
// A JSON value as the record reader meets it: a scalar with its content, or
// the start of an object or array whose contents follow as further events.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace korvo::transaction {

struct JsonNull {};
struct JsonMapStart {};
struct JsonSequenceStart {};

// Strings hold their text with escapes decoded.
using JsonValue = std::variant<JsonNull, bool, std::int64_t, std::uint64_t, double, std::string, JsonMapStart,
                               JsonSequenceStart>;

inline bool starts_container(const JsonValue& value) {
  return std::holds_alternative<JsonMapStart>(value) || std::holds_alternative<JsonSequenceStart>(value);
}

// "invalid type: <what was found>, expected <expected>", where what was found
// reads e.g. integer `5`, floating point `1.5`, boolean `true`, null,
// string "text", map or sequence.
std::string invalid_type_text(const JsonValue& found, std::string_view expected);

}  // namespace korvo::transaction
