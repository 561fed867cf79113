#include "panic.h"

namespace korvo::module {

namespace {

PyObject* panic_type() {
  static PyObject* type = nullptr;
  if (type == nullptr) {
    type = PyErr_NewExceptionWithDoc("korvo_python_sdk.PanicException",
                                     "A failure outside the operation guard of korvo_python_sdk.",
                                     PyExc_BaseException, nullptr);
  }
  return type;
}

}  // namespace

PyObject* raise_panic(const char* message) {
  PyObject* type = panic_type();
  if (type != nullptr) PyErr_SetString(type, message);
  return nullptr;
}

}  // namespace korvo::module
