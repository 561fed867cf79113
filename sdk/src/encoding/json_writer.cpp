#include "encoding/json_writer.h"

#include <cstdio>

namespace korvo::encoding {

void append_json_string(std::string& out, std::string_view text) {
  out.push_back('"');
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      default:
        if (c < 0x20) {
          char escaped[7];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out.push_back(ch);
        }
    }
  }
  out.push_back('"');
}

// 128 bytes cover every record this SDK writes but the layer-1 signature.
JsonObjectWriter::JsonObjectWriter() {
  text_.reserve(128);
  text_.push_back('{');
}

JsonObjectWriter& JsonObjectWriter::member(std::string_view key, std::string_view value) {
  if (!first_) text_.push_back(',');
  first_ = false;
  append_json_string(text_, key);
  text_.push_back(':');
  append_json_string(text_, value);
  return *this;
}

std::string JsonObjectWriter::finish() {
  text_.push_back('}');
  return std::move(text_);
}

}  // namespace korvo::encoding
