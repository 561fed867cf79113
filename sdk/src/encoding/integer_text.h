#pragma once
// Integer text parsers of the request fields, with their error texts:
// "cannot parse integer from empty string", "invalid digit found in string",
// "number too large to fit in target type", "number too small to fit in target type".

#include <cstdint>
#include <string_view>

#include "support/result.h"

namespace korvo::encoding {

// An optional '+' and one or more ASCII decimal digits; nothing else.
Result<std::uint64_t> parse_u64_decimal(std::string_view text);
Result<std::uint32_t> parse_u32_decimal(std::string_view text);
Result<unsigned __int128> parse_u128_decimal(std::string_view text);

// An optional '+' or '-' and one or more hex digits of either case; no prefix.
Result<__int128> parse_i128_hex(std::string_view text);

}  // namespace korvo::encoding
