#pragma once
// UTF-8 well-formedness (RFC 3629: no overlong forms, no surrogates, at most U+10FFFF).

#include <cstddef>
#include <string_view>

namespace korvo::encoding {

// Length of the well-formed sequence that starts `text`, or 0 if none does.
std::size_t utf8_sequence_length(std::string_view text);

bool is_valid_utf8(std::string_view text);

}  // namespace korvo::encoding
