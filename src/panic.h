#pragma once
// PanicException: raised for a failure outside the operation guard. Derived
// from BaseException so that `except Exception` does not swallow it.

#include "python.h"

namespace korvo::module {

// Sets PanicException(message) as the current error; returns nullptr.
PyObject* raise_panic(const char* message);

}  // namespace korvo::module
