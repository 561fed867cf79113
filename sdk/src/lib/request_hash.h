#pragma once
// Parsing a request text and computing its message hash: the first half of
// every hash and transaction signing operation.

#include <string_view>

#include "encoding/u256.h"
#include "lib/failure_road.h"
#include "transaction/message_hash.h"

namespace korvo::lib {

template <class Record>
Result<encoding::U256> request_hash(std::string_view json, FailureRoad json_road) {
  auto record = route(Record::from_json(json), json_road);
  if (!record) return record.error();
  return transaction::message_hash(record.value());
}

}  // namespace korvo::lib
