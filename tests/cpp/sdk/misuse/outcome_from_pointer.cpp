// An Outcome<bool> is made from a bool, never from something that converts to one.
#include <korvo/sdk.h>

int main() {
  const char* text = "false";
#if defined(KORVO_MISUSE)
  const korvo::sdk::Outcome<bool> made(text);
#else
  const korvo::sdk::Outcome<bool> made(text == nullptr);
#endif
  return made.value() ? 1 : 0;
}
