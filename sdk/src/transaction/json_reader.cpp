#include "transaction/json_reader.h"

#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include <nlohmann/json.hpp>

#include "support/failure.h"
#include "transaction/error_position.h"
#include "transaction/json_error.h"

namespace korvo::transaction {

namespace {

// How far the parser has read. The parser never re-reads a byte: it keeps
// the one character of lookahead it takes after a number to itself.
struct ReadProgress {
  const char* begin = nullptr;
  std::size_t consumed = 0;
  bool reached_end = false;  // the parser has looked past the last byte
};

// Byte iterator that reports the parser's progress. The parser's input
// adapter compares with the end iterator before every read, so an equal
// comparison means it looked for a byte past the end.
class TrackingIterator {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  TrackingIterator(const char* position, ReadProgress* progress) : position_(position), progress_(progress) {}

  reference operator*() const { return *position_; }
  TrackingIterator& operator++() {
    ++position_;
    progress_->consumed = static_cast<std::size_t>(position_ - progress_->begin);
    return *this;
  }
  bool operator==(const TrackingIterator& other) const {
    const bool equal = position_ == other.position_;
    if (equal) progress_->reached_end = true;
    return equal;
  }

 private:
  const char* position_;
  ReadProgress* progress_;
};

}  // namespace

// Applies the steps the frames return, and keeps the positions that place
// their errors.
class JsonReader {
 public:
  JsonReader(std::string_view text, ValueSlot& top) : text_(text), top_(top) {}

  // Each event gives the offset at which its token ends.
  bool value(const JsonValue& value, std::size_t token_end);
  bool key(std::string_view key, std::size_t token_end);
  bool end(std::size_t token_end);
  bool syntax_error(std::string message, std::size_t offset);

  bool inside_container() const { return !frames_.empty(); }
  Error error() const { return Error{with_position(message_, text_, error_offset_)}; }

 private:
  struct OpenFrame {
    std::unique_ptr<Frame> frame;
    bool is_array;
  };

  // Applies the step of the current event; `opens_array` tells, for a value
  // that opens a container, which kind it opens.
  bool apply(Step&& step, std::optional<bool> opens_array);
  EventPosition::Within within() const;

  std::string_view text_;
  ValueSlot& top_;
  std::vector<OpenFrame> frames_;
  std::size_t skip_depth_ = 0;    // open containers inside a skipped value
  std::size_t previous_end_ = 0;  // where the token of the previous event ended
  EventPosition position_;
  std::string message_;
  std::size_t error_offset_ = 0;
};

// The parser's event interface, forwarded to the reader with the byte
// offset at which each event's token ends.
class SaxEvents {
 public:
  using json = nlohmann::json;

  SaxEvents(JsonReader& reader, const ReadProgress& progress) : reader_(reader), progress_(progress) {}

  bool null() { return reader_.value(JsonNull{}, token_end()); }
  bool boolean(bool value) { return reader_.value(value, token_end()); }
  bool number_integer(json::number_integer_t value) {
    return reader_.value(static_cast<std::int64_t>(value), number_end());
  }
  bool number_unsigned(json::number_unsigned_t value) {
    return reader_.value(static_cast<std::uint64_t>(value), number_end());
  }
  bool number_float(json::number_float_t value, const json::string_t&) {
    return reader_.value(static_cast<double>(value), number_end());
  }
  bool string(json::string_t& value) {
    return reader_.value(JsonValue(std::in_place_type<std::string>, std::move(value)), token_end());
  }
  // Only binary formats produce these, never JSON text.
  bool binary(json::binary_t&) { return reader_.syntax_error("unexpected binary value", token_end()); }
  bool start_object(std::size_t) { return reader_.value(JsonMapStart{}, token_end()); }
  bool key(json::string_t& key) { return reader_.key(key, token_end()); }
  bool end_object() { return reader_.end(token_end()); }
  bool start_array(std::size_t) { return reader_.value(JsonSequenceStart{}, token_end()); }
  bool end_array() { return reader_.end(token_end()); }
  bool parse_error(std::size_t, const std::string& last_token, const nlohmann::detail::exception& error) {
    return reader_.syntax_error(syntax_error_text(error.what(), last_token), token_end());
  }

 private:
  std::size_t token_end() const { return progress_.consumed; }
  // A number ends one byte before the lookahead that ended it, unless the text did.
  std::size_t number_end() const { return progress_.reached_end ? progress_.consumed : progress_.consumed - 1; }

  JsonReader& reader_;
  const ReadProgress& progress_;
};

EventPosition::Within JsonReader::within() const {
  if (frames_.empty()) return EventPosition::Within::kTop;
  return frames_.back().is_array ? EventPosition::Within::kArray : EventPosition::Within::kObject;
}

bool JsonReader::apply(Step&& step, std::optional<bool> opens_array) {
  if (std::holds_alternative<Continue>(step)) [[likely]] {
    if (opens_array) skip_depth_ = 1;
    return true;
  }
  if (auto* failure = std::get_if<Failure>(&step)) {
    message_ = std::move(failure->message);
    error_offset_ = position_.error_offset(failure->at, text_);
    return false;
  }
  ensure(opens_array.has_value(), "JsonReader: a frame may only be opened for an object or array");
  frames_.push_back(OpenFrame{std::move(std::get<Descend>(step).frame), *opens_array});
  return true;
}

bool JsonReader::value(const JsonValue& value, std::size_t token_end) {
  // Between two tokens there is whitespace and at most one ',' or ':'.
  std::size_t start = previous_end_;
  while (start < text_.size() && (is_json_whitespace(text_[start]) || text_[start] == ',' || text_[start] == ':')) {
    ++start;
  }
  previous_end_ = token_end;
  const bool container = starts_container(value);
  if (skip_depth_ > 0) {
    if (container) ++skip_depth_;
    return true;
  }
  position_ = EventPosition{start, token_end, container ? start : token_end, false, within()};
  ValueSlot& slot = frames_.empty() ? top_ : *frames_.back().frame;
  std::optional<bool> opens_array;
  if (container) opens_array = std::holds_alternative<JsonSequenceStart>(value);
  return apply(slot.on_value(value), opens_array);
}

bool JsonReader::key(std::string_view key, std::size_t token_end) {
  previous_end_ = token_end;
  if (skip_depth_ > 0) return true;
  position_.token_end = position_.token_offset = token_end;
  position_.at_closing_bracket = false;
  position_.within = within();
  return apply(frames_.back().frame->on_key(key), std::nullopt);
}

bool JsonReader::end(std::size_t token_end) {
  previous_end_ = token_end;
  if (skip_depth_ > 0) {
    --skip_depth_;
    return true;
  }
  position_.token_end = position_.token_offset = token_end;
  position_.at_closing_bracket = true;
  position_.within = within();
  const bool ok = apply(frames_.back().frame->on_end(), std::nullopt);
  frames_.pop_back();
  return ok;
}

bool JsonReader::syntax_error(std::string message, std::size_t offset) {
  message_ = std::move(message);
  error_offset_ = offset;
  return false;
}

std::optional<Error> read_json(std::string_view text, ValueSlot& top) {
  JsonReader reader(text, top);
  // The parser would skip a byte order mark; JSON text has none.
  if (text.starts_with("\xEF\xBB\xBF")) {
    reader.syntax_error("expected value", 1);
    return reader.error();
  }
  ReadProgress progress{text.data()};
  SaxEvents events(reader, progress);
  const TrackingIterator first(text.data(), &progress), last(text.data() + text.size(), &progress);
  // Not strict: what follows the value is checked here, with its own wording.
  if (!nlohmann::json::sax_parse(first, last, &events, nlohmann::json::input_format_t::json, false)) {
    return reader.error();
  }
  ensure(!reader.inside_container(), "JsonReader: the value ended inside a container");
  const std::size_t next = skip_json_whitespace(text, progress.consumed);
  if (next < text.size()) {
    reader.syntax_error("trailing characters", next + 1);
    return reader.error();
  }
  return std::nullopt;
}

}  // namespace korvo::transaction
