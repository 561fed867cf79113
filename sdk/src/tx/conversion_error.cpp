#include "tx/conversion_error.h"

namespace korvo::tx {

ConversionError ConversionError::incorrect_input_size(std::size_t size, std::size_t expected_size) {
  return {Kind::IncorrectInputSize, size, expected_size, {}};
}

ConversionError ConversionError::prime_field_decoding(std::string field_error) {
  return {Kind::PrimeFieldDecodingError, 0, 0, std::move(field_error)};
}

std::string ConversionError::to_string() const {
  switch (kind) {
    case Kind::IncorrectInputSize:
      return "Incorrect input size. Actual: " + std::to_string(size) + ", expected: " + std::to_string(expected_size);
    case Kind::PrimeFieldDecodingError:
      return "Cannot convert into prime field value: " + detail;
  }
  return detail;
}

std::string not_in_field(std::string_view value) { return std::string(value) + " is not an element of the field"; }

}  // namespace korvo::tx
