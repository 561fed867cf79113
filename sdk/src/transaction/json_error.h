#pragma once
// Texts of JSON reading errors.

#include <cstddef>
#include <string>
#include <string_view>

namespace korvo::transaction {

// `message` + " at line L column C" for the point after `offset` bytes of
// `text`: L counts from 1, C is the number of bytes read on line L.
std::string with_position(std::string_view message, std::string_view text, std::size_t offset);

// The parser's own wording of a syntax error, without its exception tag and
// its (differently counted) position; the quoted `last_token` cut to an
// excerpt, and bytes that are not UTF-8 shown as \xNN.
std::string syntax_error_text(std::string_view what, std::string_view last_token);

}  // namespace korvo::transaction
