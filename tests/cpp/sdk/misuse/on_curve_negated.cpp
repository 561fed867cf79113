// Taking is_on_curve's outcome for its answer must not compile, negated or not.
#include <korvo/sdk.h>

int main() {
  const auto on_curve = korvo::sdk::is_on_curve("0x0", "0x0");
#if defined(KORVO_MISUSE)
  if (!on_curve) return 1;
#else
  if (!on_curve.has_value() || !on_curve.value()) return 1;
#endif
  return 0;
}
