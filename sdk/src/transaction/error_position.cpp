#include "transaction/error_position.h"

namespace korvo::transaction {

std::size_t skip_json_whitespace(std::string_view text, std::size_t offset) {
  while (offset < text.size() && is_json_whitespace(text[offset])) ++offset;
  return offset;
}

std::size_t EventPosition::error_offset(ErrorAt at, std::string_view text) const {
  switch (at) {
    case ErrorAt::kToken:
      return token_offset;
    case ErrorAt::kValueStart:
      return value_start + 1;
    case ErrorAt::kMemberEnd:
      break;
  }
  if (at_closing_bracket || within == Within::kTop) return token_end;
  const bool in_array = within == Within::kArray;
  const std::size_t next = skip_json_whitespace(text, token_end);
  if (next == text.size()) return next;
  if (text[next] == (in_array ? ']' : '}')) return next + 1;
  if (in_array && text[next] == ',') return skip_json_whitespace(text, next + 1);
  return next;
}

}  // namespace korvo::transaction
