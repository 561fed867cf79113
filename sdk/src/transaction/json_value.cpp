#include "transaction/json_value.h"

#include <charconv>

#include "encoding/input_excerpt.h"
#include "encoding/json_writer.h"

namespace korvo::transaction {

namespace {

// The shortest digits that read back as the same double, written out in
// plain decimal notation, with ".0" added to whole numbers: 1e3 reads as
// 1000.0 and 1.2345678901234568e29 as 123456789012345680000000000000.0.
std::string float_text(double value) {
  char buffer[32];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  std::string_view scientific(buffer, static_cast<std::size_t>(written.ptr - buffer));
  std::string text;
  if (scientific.starts_with('-')) {
    text.push_back('-');
    scientific.remove_prefix(1);
  }
  const std::size_t e = scientific.find('e');
  std::string digits;
  for (char c : scientific.substr(0, e)) {
    if (c != '.') digits.push_back(c);
  }
  std::string_view exponent_text = scientific.substr(e + 1);
  if (exponent_text.starts_with('+')) exponent_text.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(), exponent);
  // The decimal point stands after `point` digits.
  const long point = exponent + 1L;
  const long count = static_cast<long>(digits.size());
  if (point <= 0) {
    text += "0.";
    text.append(static_cast<std::size_t>(-point), '0');
    text += digits;
  } else if (point >= count) {
    text += digits;
    text.append(static_cast<std::size_t>(point - count), '0');
    text += ".0";
  } else {
    text.append(digits, 0, static_cast<std::size_t>(point));
    text += '.';
    text.append(digits, static_cast<std::size_t>(point));
  }
  return text;
}

struct Describe {
  std::string operator()(JsonNull) const { return "null"; }
  std::string operator()(bool value) const { return value ? "boolean `true`" : "boolean `false`"; }
  std::string operator()(std::int64_t value) const { return "integer `" + std::to_string(value) + "`"; }
  std::string operator()(std::uint64_t value) const { return "integer `" + std::to_string(value) + "`"; }
  std::string operator()(double value) const { return "floating point `" + float_text(value) + "`"; }
  std::string operator()(const std::string& value) const {
    std::string text = "string ";
    // Escaped, so the message stays on one line; cut, as the text may be a misplaced key.
    encoding::append_json_string(text, encoding::excerpt(value));
    return text;
  }
  std::string operator()(JsonMapStart) const { return "map"; }
  std::string operator()(JsonSequenceStart) const { return "sequence"; }
};

}  // namespace

std::string invalid_type_text(const JsonValue& found, std::string_view expected) {
  std::string text = "invalid type: " + std::visit(Describe{}, found) + ", expected ";
  text += expected;
  return text;
}

}  // namespace korvo::transaction
