// Taking verify_signature's outcome for its answer must not compile.
#include <korvo/sdk.h>

int main() {
  const auto verified = korvo::sdk::verify_signature("0x0", "0x0", "0x0", "", "0x1");
#if defined(KORVO_MISUSE)
  if (korvo::sdk::verify_signature("0x0", "0x0", "0x0", "", "0x1")) return 0;
#else
  if (verified.has_value() && verified.value()) return 0;
#endif
  return 1;
}
