#pragma once
// A whole JSON text read as one record.

#include <string_view>
#include <utility>

#include "support/result.h"
#include "transaction/begin_record.h"
#include "transaction/frame.h"
#include "transaction/json_reader.h"

namespace korvo::transaction {

template <class Record>
class WholeTextSlot final : public ValueSlot {
 public:
  explicit WholeTextSlot(Record& record) : record_(record) {}
  Step on_value(const JsonValue& value) override { return begin_record(value, record_); }

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
