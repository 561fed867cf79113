#pragma once
// Internal failures: violated preconditions that stop an operation at once.
// They unwind to the module's guard, which reports the message; ordinary
// errors travel as Result values instead (see result.h).

#include <stdexcept>
#include <string>

namespace korvo {

class InternalFailure : public std::runtime_error {
 public:
  explicit InternalFailure(const std::string& message) : std::runtime_error(message) {}
};

[[noreturn]] void fail(const std::string& message);

// Stops with an internal failure when `condition` is false.
inline void ensure(bool condition, const char* message) {
  if (!condition) fail(message);
}

}  // namespace korvo
