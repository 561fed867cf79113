#include "support/failure.h"

namespace korvo {

void fail(const std::string& message) { throw InternalFailure(message); }

}  // namespace korvo
