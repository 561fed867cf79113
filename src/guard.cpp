#include "guard.h"

#include <cstdio>
#include <exception>
#include <optional>

namespace korvo::module {

namespace {

void write_report(const char* kind, const std::string& message) {
  std::fprintf(stderr, "korvo_python_sdk: %s\n%s\n", kind, message.c_str());
  std::fflush(stderr);
}

PyObject* raise_value_error() {
  PyErr_SetString(PyExc_ValueError, "Any { .. }");
  return nullptr;
}

PyObject* to_python(const Reply& reply) {
  if (const bool* truth = std::get_if<bool>(&reply)) return Py_NewRef(*truth ? Py_True : Py_False);
  const auto& text = std::get<std::string>(reply);
  return PyUnicode_FromStringAndSize(text.data(), static_cast<Py_ssize_t>(text.size()));
}

}  // namespace

PyObject* run_guarded(const std::function<Result<Reply>()>& operation) {
  std::optional<Result<Reply>> outcome;
  try {
    outcome.emplace(operation());
  } catch (const std::exception& failure) {
    write_report("internal failure", failure.what());
    return raise_value_error();
  }
  if (!outcome->ok()) {
    write_report("error", outcome->error().description);
    return raise_value_error();
  }
  return to_python(outcome->value());
}

}  // namespace korvo::module
