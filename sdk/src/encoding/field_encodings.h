#pragma once
// The JSON field encodings of the request records. Every number travels as a
// JSON string; each encoding parses that string's (unescaped) text and
// prefixes its errors with its own wording.

#include <cstdint>
#include <string_view>

#include "encoding/u256.h"
#include "support/result.h"

namespace korvo::encoding {

// Hex text with one optional "0x"; "u256 from string error: ...".
// Written back as the fixed-width text of U256::to_hex.
struct U256SerdeAsRadix16Prefix0xString {
  using Value = U256;
  static Result<Value> parse(std::string_view text);
};

// Every leading "0x" dropped, then signed hex; "decode hex string error: ...".
struct I128SerdeAsRadix16Prefix0xString {
  using Value = __int128;
  static Result<Value> parse(std::string_view text);
};

// Unsigned decimal; "decode u128 string error: ...".
struct U128SerdeAsString {
  using Value = unsigned __int128;
  static Result<Value> parse(std::string_view text);
};

// Unsigned decimal; "u64 from string error: ...".
struct U64SerdeAsString {
  using Value = std::uint64_t;
  static Result<Value> parse(std::string_view text);
};

// Unsigned decimal; shares the u64 wording: "u64 from string error: ...".
struct U32SerdeAsString {
  using Value = std::uint32_t;
  static Result<Value> parse(std::string_view text);
};

// Packed public keys: U256 hex text whose error is the bare hex error text.
struct HexKeyString {
  using Value = U256;
  static Result<Value> parse(std::string_view text);
};

}  // namespace korvo::encoding
