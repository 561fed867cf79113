#include "guard.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "failure_reports.h"
#include "gil_released.h"
#include "support/secret.h"

namespace korvo::module {

namespace {

// One write of the whole report, so that reports of threads failing at once
// never interleave (the stream's lock is held for one call, not across
// several); written with its length, so a message is never cut short at a
// NUL. The copy is wiped: a message may quote the start of an input.
void write_report(std::string_view kind, std::string_view message) {
  constexpr std::string_view kHeader = "korvo_python_sdk: ";
  std::string report;
  report.reserve(kHeader.size() + kind.size() + message.size() + 2);
  report.append(kHeader).append(kind).append(1, '\n').append(message).append(1, '\n');
  std::fwrite(report.data(), 1, report.size(), stderr);
  std::fflush(stderr);
  wipe(report.data(), report.size());
}

// ValueError("Any { .. }") with the report's message as a note, so that
// tracebacks, logging and `__notes__` carry the reason.
PyObject* raise_value_error(std::string_view message) {
  PyObject* error = PyObject_CallFunction(PyExc_ValueError, "s", "Any { .. }");
  if (error == nullptr) return nullptr;
  PyObject* note = PyUnicode_DecodeUTF8(message.data(), static_cast<Py_ssize_t>(message.size()), "backslashreplace");
  PyObject* added = note != nullptr ? PyObject_CallMethod(error, "add_note", "O", note) : nullptr;
  Py_XDECREF(note);
  if (added == nullptr) {
    Py_DECREF(error);
    return nullptr;
  }
  Py_DECREF(added);
  PyErr_SetRaisedException(error);
  return nullptr;
}

}  // namespace

const char* report_kind(sdk::FailureKind kind) {
  return kind == sdk::FailureKind::InternalFailure ? "internal failure" : "error";
}

PyObject* to_python(Reply& reply) {
  if (const bool* truth = std::get_if<bool>(&reply)) return Py_NewRef(*truth ? Py_True : Py_False);
  auto& text = std::get<std::string>(reply);
  PyObject* result = PyUnicode_FromStringAndSize(text.data(), static_cast<Py_ssize_t>(text.size()));
  wipe(text.data(), text.size());
  return result;
}

PyObject* run_guarded(const std::function<sdk::Outcome<Reply>()>& operation) {
  std::optional<sdk::Outcome<Reply>> outcome;
  {
    GilReleased released;
    outcome.emplace(operation());  // the library lets no exception out
  }
  if (!outcome->has_value()) {
    const sdk::Failure& failure = outcome->error();
    if (failure_reports_on()) write_report(report_kind(failure.kind), failure.message);
    return raise_value_error(failure.message);
  }
  Reply reply = std::move(*outcome).value();
  return to_python(reply);
}

}  // namespace korvo::module
