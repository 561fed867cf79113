#include "panic.h"

#include <atomic>

namespace korvo::module {

namespace {

// Created on first use. Threads that race to it (there is no interpreter lock
// to serialise them in a free-threaded build) each make a type, and the first
// to publish its own wins; the others drop theirs. No thread ever waits, so
// the creation, which may run Python code, cannot deadlock against another.
PyObject* panic_type() {
  static std::atomic<PyObject*> published{nullptr};
  PyObject* type = published.load(std::memory_order_acquire);
  if (type != nullptr) return type;
  PyObject* made = PyErr_NewExceptionWithDoc("korvo_python_sdk.PanicException",
                                             "A failure outside the operation guard of korvo_python_sdk.",
                                             PyExc_BaseException, nullptr);
  if (made == nullptr) return nullptr;
  if (published.compare_exchange_strong(type, made, std::memory_order_acq_rel, std::memory_order_acquire)) {
    return made;
  }
  Py_DECREF(made);
  return type;  // the winner's, loaded by the failed exchange
}

}  // namespace

PyObject* raise_panic(const char* message) {
  PyObject* type = panic_type();
  if (type != nullptr) PyErr_SetString(type, message);
  return nullptr;
}

}  // namespace korvo::module
