#pragma once
// The one place the module includes the interpreter's headers.
#define PY_SSIZE_T_CLEAN
#include <Python.h>
