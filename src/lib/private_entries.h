#pragma once
// The entry points of the typed korvo package: underscore names, outside
// __all__ and the stubs. They never write to standard error; a failure comes
// back as a value for the package to raise as its own error.

#include "python.h"

namespace korvo::module {

// Adds _call, _call_many and _set_failure_reports to the module.
bool add_private_entries(PyObject* module, PyObject* module_name);

}  // namespace korvo::module
