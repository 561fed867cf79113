#include "transaction/json_error.h"

#include <algorithm>
#include <cstdio>

#include "encoding/input_excerpt.h"
#include "encoding/utf8.h"

namespace korvo::transaction {

namespace {

// Code points that some readers take for a line break: the C1 controls
// (NEL among them) and the line and paragraph separators.
bool breaks_lines(std::string_view sequence) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(sequence[i]); };
  if (sequence.size() == 2) return byte(0) == 0xC2 && byte(1) < 0xA0;
  return sequence.size() == 3 && byte(0) == 0xE2 && byte(1) == 0x80 && (byte(2) == 0xA8 || byte(2) == 0xA9);
}

// One report line: a byte that is not UTF-8 shows as \xNN, a code point that
// may break the line as \uNNNN.
std::string one_line(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    std::size_t length = encoding::utf8_sequence_length(text);
    const std::string_view sequence = text.substr(0, length);
    char escaped[7];
    if (length == 0) {
      std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(text.front()));
      out += escaped;
      length = 1;
    } else if (breaks_lines(sequence)) {
      const unsigned low = static_cast<unsigned char>(sequence.back()) & 0x3F;
      const unsigned code_point = (length == 2 ? 0x80 : 0x2000) | low;
      std::snprintf(escaped, sizeof escaped, "\\u%04X", code_point);
      out += escaped;
    } else {
      out.append(sequence);
    }
    text.remove_prefix(length);
  }
  return out;
}

}  // namespace

std::string with_position(std::string_view message, std::string_view text, std::size_t offset) {
  const std::string_view read = text.substr(0, offset);
  const std::size_t line = 1 + static_cast<std::size_t>(std::count(read.begin(), read.end(), '\n'));
  const std::size_t last_newline = read.rfind('\n');
  const std::size_t column = last_newline == std::string_view::npos ? read.size() : read.size() - last_newline - 1;
  std::string out = one_line(message);
  out += " at line " + std::to_string(line) + " column " + std::to_string(column);
  return out;
}

// The parser writes "[json.exception.<kind>.<id>] " and, for syntax errors,
// "parse error at line L, column C: " in front of its wording, and quotes the
// token it stopped in (control characters already escaped) in full.
std::string syntax_error_text(std::string_view what, std::string_view last_token) {
  if (const auto tag_end = what.find("] "); what.starts_with("[") && tag_end != std::string_view::npos) {
    what.remove_prefix(tag_end + 2);
  }
  if (const auto position_end = what.find(": "); what.starts_with("parse error") && position_end != std::string_view::npos) {
    what.remove_prefix(position_end + 2);
  }
  std::string text(what);
  std::string quoted(1, '\'');
  quoted.append(last_token).push_back('\'');
  if (const auto at = text.find(quoted); !last_token.empty() && at != std::string::npos) {
    text.replace(at + 1, last_token.size(), encoding::excerpt(last_token));
  }
  return text;
}

}  // namespace korvo::transaction
