#pragma once
// Binds the arguments of a fast-call with keywords to named parameters and
// converts them to owned UTF-8 texts, raising the interpreter's usual errors.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "python.h"

namespace korvo::module {

struct Signature {
  const char* name;
  std::span<const char* const> params;
};

// The texts in parameter order, or nullopt with a Python exception set.
std::optional<std::vector<std::string>> bind_texts(const Signature& signature, PyObject* const* args,
                                                   Py_ssize_t nargs, PyObject* kwnames);

}  // namespace korvo::module
