#include "transaction/record_frame.h"

#include "support/failure.h"

namespace korvo::transaction {

std::string duplicate_field_text(std::string_view key) {
  std::string text = "duplicate field `";
  text += key;
  return text + "`";
}

std::string missing_field_text(std::string_view key) {
  std::string text = "missing field `";
  text += key;
  return text + "`";
}

std::string invalid_length_text(std::size_t found, std::string_view record_name, std::size_t expected) {
  std::string text = "invalid length " + std::to_string(found) + ", expected struct ";
  text += record_name;
  return text + " with " + std::to_string(expected) + " elements";
}

bool SeenFields::insert(std::size_t index) {
  ensure(index < 32, "SeenFields: a record has at most 32 fields");
  if (contains(index)) return false;
  mask_ |= std::uint32_t{1} << index;
  return true;
}

}  // namespace korvo::transaction
