#pragma once
// Errors of converting bytes into field elements. (The wider family also has
// hex-decoding and parsing kinds; no conversion here produces them.)

#include <cstddef>
#include <string>

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

}  // namespace korvo::tx
