#pragma once
// Errors of converting bytes into field elements. (The wider family also has
// hex-decoding and parsing kinds; no conversion here produces them.)

#include <cstddef>
#include <string>
#include <string_view>

namespace korvo::tx {

struct ConversionError {
  enum class Kind { IncorrectInputSize, PrimeFieldDecodingError };

  Kind kind;
  std::size_t size = 0;           // IncorrectInputSize: bytes received
  std::size_t expected_size = 0;  // IncorrectInputSize: bytes required
  std::string detail;             // PrimeFieldDecodingError: the field's error text

  static ConversionError incorrect_input_size(std::size_t size, std::size_t expected_size);
  static ConversionError prime_field_decoding(std::string field_error);

  std::string to_string() const;
};

// The field's own text for an integer at or above its modulus, the integer
// shown as `value` ("0x" and 64 digits, or withheld): the text that
// prime_field_decoding carries and that the point conversions report bare.
std::string not_in_field(std::string_view value);

}  // namespace korvo::tx
