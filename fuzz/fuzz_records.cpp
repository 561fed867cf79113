// Feeds arbitrary bytes to every request reader and hashes what reads.
// Beyond the sanitizers it checks that every error names a position and is
// well-formed UTF-8, and that hashing fails only on a negative synthetic
// asset id.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "encoding/utf8.h"
#include "support/failure.h"
#include "transaction/message_hash.h"

namespace {

using namespace korvo::transaction;

void check(bool condition) {
  if (!condition) std::abort();
}

template <class Record>
void read_and_hash(std::string_view text) {
  const auto record = Record::from_json(text);
  if (!record) {
    const std::string& description = record.error().description;
    check(description.find(" at line ") != std::string::npos);
    check(korvo::encoding::is_valid_utf8(description));
    return;
  }
  try {
    const auto hash = message_hash(record.value());
    check(hash.limb(3) >> 62 == 0);  // a field element, below 2^254
  } catch (const korvo::InternalFailure& failure) {
    check(std::string_view(failure.what()) == "Unsigned integer can't be created from negative value");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  read_and_hash<WithdrawRequest>(text);
  read_and_hash<Transfer>(text);
  read_and_hash<LimitOrderRequest>(text);
  read_and_hash<Liquidate>(text);
  read_and_hash<SignedOraclePrice>(text);
  return 0;
}
