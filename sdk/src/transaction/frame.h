#pragma once
// What reads the events of a JSON text, and the step it asks of the reader
// after each one. Frames only return steps; the reader alone applies them.

#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "transaction/error_position.h"
#include "transaction/json_value.h"

namespace korvo::transaction {

class Frame;

// Read on with the next event.
struct Continue {};
// Read the object or array that the current value opens with `frame`. Only
// a value that opens a container may descend; a container that no slot
// descends into is skipped, contents unread.
struct Descend {
  std::unique_ptr<Frame> frame;
};
// End the reading with `message`, placed `at`.
struct Failure {
  std::string message;
  ErrorAt at = ErrorAt::kToken;
};

using Step = std::variant<Continue, Descend, Failure>;

// Takes the one value that fills it: a member's value, an array element, or
// the whole text.
class ValueSlot {
 public:
  virtual ~ValueSlot() = default;
  virtual Step on_value(const JsonValue& value) = 0;
};

// Reads the contents of one object or array; its slots are the members or
// elements in turn. A Descend returned from on_key or on_end is a fault.
class Frame : public ValueSlot {
 public:
  // A member key of an object, escapes decoded.
  virtual Step on_key(std::string_view key) = 0;
  // The closing bracket.
  virtual Step on_end() = 0;
};

}  // namespace korvo::transaction
