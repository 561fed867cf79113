#pragma once
// Compact JSON objects of string members, as every result record is written:
// no spaces, members in insertion order, standard string escaping.

#include <string>
#include <string_view>

namespace korvo::encoding {

// Appends `text` as a JSON string: quoted, with standard escaping.
void append_json_string(std::string& out, std::string_view text);

class JsonObjectWriter {
 public:
  JsonObjectWriter();
  JsonObjectWriter& member(std::string_view key, std::string_view value);
  std::string finish();

 private:
  std::string text_;
  bool first_ = true;
};

}  // namespace korvo::encoding
