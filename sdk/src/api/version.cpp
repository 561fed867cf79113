#include "korvo/sdk.h"

#define KORVO_SDK_TEXT_(x) #x
#define KORVO_SDK_TEXT(x) KORVO_SDK_TEXT_(x)

namespace korvo::sdk {

// From the header the library was built with, which the build checks
// against the project's version.
std::string_view version() noexcept {
  return KORVO_SDK_TEXT(KORVO_SDK_VERSION_MAJOR) "." KORVO_SDK_TEXT(KORVO_SDK_VERSION_MINOR) "." KORVO_SDK_TEXT(
      KORVO_SDK_VERSION_PATCH);
}

}  // namespace korvo::sdk
