#pragma once
// Where in the text an error of the record reader is reported.

#include <cstddef>
#include <string_view>

namespace korvo::transaction {

// Where a frame places its error, relative to the event it was reading.
enum class ErrorAt {
  // The end of the current token; for an object or array, its opening bracket.
  kToken,
  // Past the whitespace after the current member or element, past the
  // bracket if it closes the container, and in an array past a comma and
  // the whitespace after it. At a closing bracket: the bracket itself.
  kMemberEnd,
  // One byte into the current value.
  kValueStart,
};

// The offsets of the event being read: enough to place an error at any ErrorAt.
struct EventPosition {
  enum class Within { kTop, kObject, kArray };

  std::size_t value_start = 0;   // first byte of the current value
  std::size_t token_end = 0;     // where the event's token ends
  std::size_t token_offset = 0;  // ErrorAt::kToken
  bool at_closing_bracket = false;
  Within within = Within::kTop;  // the container the event stands in

  // The byte offset in `text` of an error placed `at`.
  std::size_t error_offset(ErrorAt at, std::string_view text) const;
};

inline bool is_json_whitespace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The first offset from `offset` on that is not JSON whitespace.
std::size_t skip_json_whitespace(std::string_view text, std::size_t offset);

}  // namespace korvo::transaction
