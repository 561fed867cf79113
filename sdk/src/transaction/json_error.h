#pragma once
// Texts of JSON reading errors.

#include <cstddef>
#include <string>
#include <string_view>

namespace korvo::transaction {

// `message` + " at line L column C" for the point after `offset` bytes of
// `text`: L counts from 1, C is the number of bytes read on line L. The
// message is kept to one line: bytes that are not UTF-8 show as \xNN, and the
// code points some readers take for a line break (C1 controls, U+2028 and
// U+2029) as \uNNNN.
std::string with_position(std::string_view message, std::string_view text, std::size_t offset);

// The parser's own wording of a syntax error, without its exception tag and
// its (differently counted) position, and with the quoted `last_token` cut
// to an excerpt.
std::string syntax_error_text(std::string_view what, std::string_view last_token);

}  // namespace korvo::transaction
