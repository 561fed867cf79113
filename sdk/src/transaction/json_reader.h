#pragma once
// Event-driven reading of one JSON text into typed records. The parser hands
// over values, keys and closing brackets in text order; the slot or frame
// they belong to reads them at once, so the first error in reading order
// (typed or syntactic) ends the reading.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/result.h"
#include "transaction/json_value.h"

namespace korvo::transaction {

class JsonReader;

// Takes the one value that fills it: a member's value, an array element, or
// the whole text.
class ValueSlot {
 public:
  virtual ~ValueSlot() = default;
  // Returns false after reader.fail(...).
  virtual bool on_value(JsonReader& reader, const JsonValue& value) = 0;
};

// Reads the contents of one object or array; its slots are the members or
// elements in turn.
class Frame : public ValueSlot {
 public:
  // A member key of an object, escapes decoded.
  virtual bool on_key(JsonReader& reader, std::string_view key) = 0;
  // The closing bracket.
  virtual bool on_end(JsonReader& reader) = 0;
};

class JsonReader {
 public:
  // Where an error is reported.
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

  // Ends the reading with `message`. Returns false, for `return reader.fail(...)`.
  bool fail(std::string message, ErrorAt at = ErrorAt::kToken);

  // Reads the object or array that the current value starts with `frame`.
  // A container that no slot descends into is skipped, contents unread.
  void descend(std::unique_ptr<Frame> frame);

 private:
  friend class SaxEvents;
  friend std::optional<Error> read_json(std::string_view text, ValueSlot& top);

  struct OpenFrame {
    std::unique_ptr<Frame> frame;
    bool is_array;
  };

  JsonReader(std::string_view text, ValueSlot& top) : text_(text), top_(top) {}

  // Each event gives the offset at which its token ends.
  bool value(const JsonValue& value, std::size_t token_end);
  bool key(std::string_view key, std::size_t token_end);
  bool end(std::size_t token_end);
  bool syntax_error(std::string message, std::size_t offset);

  std::size_t skip_whitespace(std::size_t offset) const;
  std::size_t member_end() const;
  Error error() const;

  std::string_view text_;
  ValueSlot& top_;
  std::vector<OpenFrame> frames_;
  std::size_t skip_depth_ = 0;  // open containers inside a skipped value
  std::size_t previous_end_ = 0;    // where the token of the previous event ended
  std::size_t value_start_ = 0;     // first byte of the current value
  std::size_t token_end_ = 0;       // where the token of the current event ends
  std::size_t token_offset_ = 0;    // ErrorAt::kToken of the current event
  bool at_closing_bracket_ = false;
  bool opening_array_ = false;
  std::string message_;
  std::size_t error_offset_ = 0;
};

// Reads `text`, one JSON value with optional whitespace around it, into
// `top`. The error's text ends with " at line L column C".
std::optional<Error> read_json(std::string_view text, ValueSlot& top);

}  // namespace korvo::transaction
