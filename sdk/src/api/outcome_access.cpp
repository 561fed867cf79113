#include <cstdio>
#include <cstdlib>

#include "korvo/sdk.h"

namespace korvo::sdk::detail {

// Written with plain stdio: the process is about to abort, and a report that
// needed memory might never appear.
void bad_outcome_access(const char* asked, const Failure* held) noexcept {
  std::fputs("korvo::sdk: ", stderr);
  std::fputs(asked, stderr);
  if (held != nullptr) {
    std::fputs(held->kind == FailureKind::InternalFailure ? " (internal failure: " : " (error: ", stderr);
    std::fwrite(held->message.data(), 1, held->message.size(), stderr);
    std::fputc(')', stderr);
  }
  std::fputc('\n', stderr);
  std::fflush(stderr);
  std::abort();
}

}  // namespace korvo::sdk::detail
