#pragma once
// Caller input as error messages quote it: one line, and never more than a
// short stretch of it (the input may be a misplaced private key).

#include <cstddef>
#include <string>
#include <string_view>

namespace korvo::encoding {

// The most characters of caller input that a message quotes.
inline constexpr std::size_t kExcerptLength = 20;

// A byte as a message shows it: printable ASCII as itself, NUL as \0, other
// control bytes (C0, DEL, C1) as \xNN, and a byte from 0xA0 up as the
// character whose code point equals its value, in UTF-8.
std::string shown_byte(unsigned char c);

// The first kExcerptLength characters of `text`, and "..." when more follow.
// A cut never splits a UTF-8 sequence; a malformed byte counts as one character.
std::string excerpt(std::string_view text);

}  // namespace korvo::encoding
