#pragma once
// Binds the arguments of a fast-call with keywords to named parameters and
// reads them as UTF-8 texts, raising the interpreter's usual errors.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "python.h"

namespace korvo::module {

struct Signature {
  const char* name;
  std::span<const char* const> params;
};

// The texts in parameter order, or nullopt with a Python exception set. They
// are the strings' own UTF-8 buffers, valid while the call's arguments are:
// no copy of a private key is left behind in the heap.
std::optional<std::vector<std::string_view>> bind_texts(const Signature& signature, PyObject* const* args,
                                                   Py_ssize_t nargs, PyObject* kwnames);

}  // namespace korvo::module
