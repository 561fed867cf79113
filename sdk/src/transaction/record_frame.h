#pragma once
// Reading a record from a JSON object, or from an array of its field values
// in declaration order. A record that carries an OrderBase is read from an
// object only; the header's members are kept aside and read once the object
// has ended and the record's own fields are complete.

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/result.h"
#include "transaction/json_reader.h"
#include "transaction/json_value.h"
#include "transaction/order_base.h"
#include "transaction/record_schema.h"

namespace korvo::transaction {

template <class Record>
concept HasOrderBase = requires(Record& record) {
  { record.base } -> std::same_as<OrderBase&>;
};

std::string duplicate_field_text(std::string_view key);
std::string missing_field_text(std::string_view key);
std::string invalid_length_text(std::size_t found, std::string_view record_name, std::size_t expected);

// The fields of a schema met so far, by declaration index.
class SeenFields {
 public:
  // False when the field was met before.
  bool insert(std::size_t index);
  bool contains(std::size_t index) const { return (mask_ >> index) & 1; }

 private:
  std::uint32_t mask_ = 0;
};

template <class Record>
std::optional<std::size_t> field_index(std::span<const FieldSpec<Record>> fields, std::string_view key) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (fields[i].key == key) return i;
  }
  return std::nullopt;
}

// Fails with the first field, in declaration order, that was not met.
template <class Record>
bool check_complete(JsonReader& reader, std::span<const FieldSpec<Record>> fields, const SeenFields& seen) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (!seen.contains(i)) return reader.fail(missing_field_text(fields[i].key));
  }
  return true;
}

template <class Record>
class RecordFrame final : public Frame {
 public:
  enum class Form { kObject, kArray };

  RecordFrame(Record& record, Form form) : record_(record), form_(form) {}

  bool on_key(JsonReader& reader, std::string_view key) override {
    pending_ = Pending::kIgnored;
    if (const auto index = field_index(fields(), key)) {
      if (!seen_.insert(*index)) return reader.fail(duplicate_field_text(key), JsonReader::ErrorAt::kMemberEnd);
      pending_ = Pending::kOwnField;
      pending_index_ = *index;
    } else if constexpr (HasOrderBase<Record>) {
      if (const auto header_index = field_index(OrderBase::json_fields(), key)) {
        pending_ = Pending::kHeaderField;
        pending_index_ = *header_index;
      }
    }
    return true;
  }

  bool on_value(JsonReader& reader, const JsonValue& value) override {
    if (form_ == Form::kArray) {
      if (elements_ == fields().size()) return reader.fail("trailing characters", JsonReader::ErrorAt::kValueStart);
      return fields()[elements_++].read(reader, record_, value);
    }
    switch (pending_) {
      case Pending::kOwnField:
        return fields()[pending_index_].read(reader, record_, value);
      case Pending::kHeaderField:
        header_members_.emplace_back(pending_index_, value);
        return true;
      case Pending::kIgnored:
        break;
    }
    return true;
  }

  bool on_end(JsonReader& reader) override {
    if (form_ == Form::kArray) {
      if (elements_ < fields().size()) {
        return reader.fail(invalid_length_text(elements_, Record::json_schema().name, fields().size()));
      }
      return true;
    }
    if (!check_complete(reader, fields(), seen_)) return false;
    if constexpr (HasOrderBase<Record>) return read_order_base(reader);
    return true;
  }

 private:
  enum class Pending { kIgnored, kOwnField, kHeaderField };

  static std::span<const FieldSpec<Record>> fields() { return Record::json_schema().fields; }

  // The header's members in text order, as if they formed an object of their own.
  bool read_order_base(JsonReader& reader) {
    const auto header = OrderBase::json_fields();
    SeenFields seen;
    for (const auto& [index, value] : header_members_) {
      if (!seen.insert(index)) return reader.fail(duplicate_field_text(header[index].key));
      if (!header[index].read(reader, record_.base, value)) return false;
    }
    return check_complete(reader, header, seen);
  }

  Record& record_;
  Form form_;
  SeenFields seen_;
  Pending pending_ = Pending::kIgnored;
  std::size_t pending_index_ = 0;
  std::size_t elements_ = 0;
  std::vector<std::pair<std::size_t, JsonValue>> header_members_;
};

// Starts reading `record` from `value`, which must open an object (or an
// array, for records without an order header).
template <class Record>
bool begin_record(JsonReader& reader, const JsonValue& value, Record& record) {
  using Form = typename RecordFrame<Record>::Form;
  if (std::holds_alternative<JsonMapStart>(value)) {
    reader.descend(std::make_unique<RecordFrame<Record>>(record, Form::kObject));
    return true;
  }
  if (std::holds_alternative<JsonSequenceStart>(value) && !HasOrderBase<Record>) {
    reader.descend(std::make_unique<RecordFrame<Record>>(record, Form::kArray));
    return true;
  }
  return reader.fail(invalid_type_text(value, "struct " + std::string(Record::json_schema().name)));
}

template <class Record>
class WholeTextSlot final : public ValueSlot {
 public:
  explicit WholeTextSlot(Record& record) : record_(record) {}
  bool on_value(JsonReader& reader, const JsonValue& value) override { return begin_record(reader, value, record_); }

 private:
  Record& record_;
};

template <class Record>
Result<Record> read_record(std::string_view text) {
  Record record{};
  WholeTextSlot<Record> slot(record);
  if (auto error = read_json(text, slot)) return *std::move(error);
  return record;
}

}  // namespace korvo::transaction
