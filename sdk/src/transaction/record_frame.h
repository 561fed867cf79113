#pragma once
// Reading a record from a JSON object, or from an array of its field values
// in declaration order, as its schema describes it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "transaction/frame.h"
#include "transaction/json_value.h"
#include "transaction/record_schema.h"

namespace korvo::transaction {

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
Step check_complete(std::span<const FieldSpec<Record>> fields, const SeenFields& seen) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (!seen.contains(i)) return Failure{missing_field_text(fields[i].key)};
  }
  return Continue{};
}

inline bool failed(const Step& step) { return std::holds_alternative<Failure>(step); }

template <class Record>
class RecordFrame final : public Frame {
 public:
  enum class Form { kObject, kArray };

  RecordFrame(Record& record, Form form) : record_(record), form_(form) {}

  Step on_key(std::string_view key) override {
    pending_ = Pending::kIgnored;
    if (const auto index = field_index(schema().fields, key)) {
      if (!seen_.insert(*index)) return Failure{duplicate_field_text(key), ErrorAt::kMemberEnd};
      pending_ = Pending::kOwnField;
      pending_index_ = *index;
    } else if (const auto flattened_index = field_index(schema().flattened, key)) {
      pending_ = Pending::kFlattenedField;
      pending_index_ = *flattened_index;
    }
    return Continue{};
  }

  Step on_value(const JsonValue& value) override {
    const auto fields = schema().fields;
    if (form_ == Form::kArray) {
      if (elements_ == fields.size()) return Failure{"trailing characters", ErrorAt::kValueStart};
      return fields[elements_++].read(record_, value);
    }
    switch (pending_) {
      case Pending::kOwnField:
        return fields[pending_index_].read(record_, value);
      case Pending::kFlattenedField:
        flattened_members_.emplace_back(pending_index_, value);
        break;
      case Pending::kIgnored:
        break;
    }
    return Continue{};
  }

  Step on_end() override {
    const auto fields = schema().fields;
    if (form_ == Form::kArray) {
      if (elements_ < fields.size()) return Failure{invalid_length_text(elements_, schema().name, fields.size())};
      return Continue{};
    }
    if (Step step = check_complete(fields, seen_); failed(step)) return step;
    return read_flattened();
  }

 private:
  enum class Pending { kIgnored, kOwnField, kFlattenedField };

  static const RecordSchema<Record>& schema() { return Record::json_schema(); }

  Step read_flattened() {
    const auto fields = schema().flattened;
    SeenFields seen;
    for (const auto& [index, value] : flattened_members_) {
      if (!seen.insert(index)) return Failure{duplicate_field_text(fields[index].key)};
      if (Step step = fields[index].read(record_, value); !std::holds_alternative<Continue>(step)) return step;
    }
    return check_complete(fields, seen);
  }

  Record& record_;
  Form form_;
  SeenFields seen_;
  Pending pending_ = Pending::kIgnored;
  std::size_t pending_index_ = 0;
  std::size_t elements_ = 0;
  std::vector<std::pair<std::size_t, JsonValue>> flattened_members_;
};

}  // namespace korvo::transaction
