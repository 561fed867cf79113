#pragma once
// Event-driven reading of one JSON text into typed records. The parser hands
// over values, keys and closing brackets in text order; the slot or frame
// they belong to reads them at once, so the first error in reading order
// (typed or syntactic) ends the reading.

#include <optional>
#include <string_view>

#include "support/result.h"
#include "transaction/frame.h"

namespace korvo::transaction {

// Reads `text`, one JSON value with optional whitespace around it, into
// `top`. The error's text ends with " at line L column C".
std::optional<Error> read_json(std::string_view text, ValueSlot& top);

}  // namespace korvo::transaction
