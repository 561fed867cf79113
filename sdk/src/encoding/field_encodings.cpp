#include "encoding/field_encodings.h"

#include <string>

#include "encoding/hex.h"
#include "encoding/integer_text.h"

namespace korvo::encoding {

namespace {

template <class T>
Result<T> prefixed(Result<T> parsed, const char* prefix) {
  if (!parsed) return Error{prefix + parsed.error().description};
  return parsed;
}

}  // namespace

Result<U256> U256SerdeAsRadix16Prefix0xString::parse(std::string_view text) {
  return prefixed(U256::from_str_radix(text, 16), "u256 from string error: ");
}

Result<__int128> I128SerdeAsRadix16Prefix0xString::parse(std::string_view text) {
  return prefixed(parse_i128_hex(strip_repeated(text, "0x")), "decode hex string error: ");
}

Result<unsigned __int128> U128SerdeAsString::parse(std::string_view text) {
  return prefixed(parse_u128_decimal(text), "decode u128 string error: ");
}

Result<std::uint64_t> U64SerdeAsString::parse(std::string_view text) {
  return prefixed(parse_u64_decimal(text), "u64 from string error: ");
}

Result<std::uint32_t> U32SerdeAsString::parse(std::string_view text) {
  return prefixed(parse_u32_decimal(text), "u64 from string error: ");
}

Result<U256> HexKeyString::parse(std::string_view text) { return U256::from_str(text); }

}  // namespace korvo::encoding
