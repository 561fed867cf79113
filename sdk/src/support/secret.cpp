#include "support/secret.h"

namespace korvo {

namespace {
// The deepest operation, signing a request (its JSON reading included),
// reaches under 6 KiB below its entry.
constexpr std::size_t kStackWipeBytes = 16 * 1024;
}  // namespace

[[gnu::noinline]] void wipe_stack_below() {
  unsigned char area[kStackWipeBytes];
  wipe(area, sizeof area);
  // The area is dead once wiped; this keeps the wipe from being dropped.
  asm volatile("" : : "r"(area) : "memory");
}

}  // namespace korvo
