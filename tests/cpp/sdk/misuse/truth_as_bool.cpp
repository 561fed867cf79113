// A truth value's outcome must not pass for a bool anywhere a bool is taken.
#include <korvo/sdk.h>

bool holds(bool answer) { return answer; }

int main() {
  const auto verified = korvo::sdk::verify_signature("0x0", "0x0", "0x0", "", "0x1");
#if defined(KORVO_MISUSE)
  return holds(static_cast<bool>(verified)) ? 0 : 1;
#else
  return holds(verified.value()) ? 0 : 1;
#endif
}
