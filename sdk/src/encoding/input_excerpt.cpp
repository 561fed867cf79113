#include "encoding/input_excerpt.h"

#include <cstdio>

#include "encoding/utf8.h"

namespace korvo::encoding {

std::string shown_byte(unsigned char c) {
  if (c == 0) return "\\0";
  const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
  if (control) {
    char escaped[5];
    std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
    return escaped;
  }
  if (c < 0x80) return std::string(1, static_cast<char>(c));
  return {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
}

std::string excerpt(std::string_view text) {
  std::size_t end = 0;
  for (std::size_t count = 0; count < kExcerptLength && end < text.size(); ++count) {
    const std::size_t length = utf8_sequence_length(text.substr(end));
    end += length == 0 ? 1 : length;
  }
  std::string out(text.substr(0, end));
  if (end < text.size()) out += "...";
  return out;
}

}  // namespace korvo::encoding
