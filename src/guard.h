#pragma once
// The operation guard: runs one SDK operation, turns an error value or an
// internal failure into ValueError("Any { .. }") with a failure report on
// standard error (its message also the exception's note), and hands a
// successful reply back as a Python object.

#include <functional>
#include <string>
#include <variant>

#include "python.h"
#include "korvo/sdk.h"

namespace korvo::module {

using Reply = std::variant<std::string, bool>;

// The first line of a failure report: "error" or "internal failure".
const char* report_kind(sdk::FailureKind kind);

// The reply as a Python str or bool; the reply text is wiped once copied:
// it may be a private key.
PyObject* to_python(Reply& reply);

// Runs `operation` with the interpreter lock released, so it must touch no
// Python object: it reads only texts whose owners outlive the call. Its
// failures arrive with their context already in front.
PyObject* run_guarded(const std::function<sdk::Outcome<Reply>()>& operation);

}  // namespace korvo::module
