#include "binding.h"

#include <string>

namespace korvo::module {

namespace {

// "'a'", "'a' and 'b'", "'a', 'b', and 'c'".
std::string quoted_list(const std::vector<const char*>& names) {
  std::string out;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) {
      if (names.size() > 2) out += ',';
      out += ' ';
      if (i + 1 == names.size()) out += "and ";
    }
    out += '\'';
    out += names[i];
    out += '\'';
  }
  return out;
}

bool raise_missing(const Signature& sig, const std::vector<PyObject*>& bound) {
  std::vector<const char*> missing;
  for (std::size_t i = 0; i < bound.size(); ++i) {
    if (bound[i] == nullptr) missing.push_back(sig.params[i]);
  }
  if (missing.empty()) return false;
  const std::string message = std::string(sig.name) + "() missing " + std::to_string(missing.size()) +
                              " required positional argument" + (missing.size() == 1 ? "" : "s") + ": " +
                              quoted_list(missing);
  PyErr_SetString(PyExc_TypeError, message.c_str());
  return true;
}

std::optional<std::size_t> param_index(const Signature& sig, PyObject* name) {
  for (std::size_t i = 0; i < sig.params.size(); ++i) {
    if (PyUnicode_CompareWithASCIIString(name, sig.params[i]) == 0) return i;
  }
  return std::nullopt;
}

std::string type_name(PyObject* obj) {
  PyObject* qualname = PyType_GetQualName(Py_TYPE(obj));
  const char* text = qualname != nullptr ? PyUnicode_AsUTF8AndSize(qualname, nullptr) : nullptr;
  std::string name = text != nullptr ? text : "<failed to extract type name>";
  Py_XDECREF(qualname);
  PyErr_Clear();
  return name;
}

// A TypeError gets the parameter's name in front and keeps the first error's
// cause; any other error (UnicodeEncodeError) passes through unchanged.
void prefix_type_error(const char* param) {
  PyObject* error = PyErr_GetRaisedException();
  if (!Py_IS_TYPE(error, reinterpret_cast<PyTypeObject*>(PyExc_TypeError))) {
    PyErr_SetRaisedException(error);
    return;
  }
  PyObject* renamed = PyUnicode_FromFormat("argument '%s': %S", param, error);
  if (renamed == nullptr) {
    Py_DECREF(error);
    return;
  }
  PyObject* wrapped = PyObject_CallFunctionObjArgs(PyExc_TypeError, renamed, nullptr);
  Py_DECREF(renamed);
  if (wrapped != nullptr) PyException_SetCause(wrapped, PyException_GetCause(error));
  Py_DECREF(error);
  if (wrapped != nullptr) PyErr_SetRaisedException(wrapped);
}

std::optional<std::string_view> to_text(PyObject* obj, const char* param) {
  if (!PyUnicode_Check(obj)) {
    std::string message = "'";
    message += type_name(obj);
    message += "' object cannot be converted to 'PyString'";
    PyErr_SetString(PyExc_TypeError, message.c_str());
    prefix_type_error(param);
    return std::nullopt;
  }
  Py_ssize_t size = 0;
  const char* utf8 = PyUnicode_AsUTF8AndSize(obj, &size);
  if (utf8 == nullptr) {
    prefix_type_error(param);
    return std::nullopt;
  }
  return std::string_view(utf8, static_cast<std::size_t>(size));
}

}  // namespace

std::optional<std::vector<std::string_view>> bind_texts(const Signature& sig, PyObject* const* args, Py_ssize_t nargs,
                                                   PyObject* kwnames) {
  const auto arity = static_cast<Py_ssize_t>(sig.params.size());
  if (nargs > arity) {
    PyErr_Format(PyExc_TypeError, "%s() takes %zd positional arguments but %zd %s given", sig.name, arity, nargs,
                 nargs == 1 ? "was" : "were");
    return std::nullopt;
  }
  std::vector<PyObject*> bound(sig.params.size(), nullptr);
  for (Py_ssize_t i = 0; i < nargs; ++i) bound[static_cast<std::size_t>(i)] = args[i];

  const Py_ssize_t nkw = kwnames != nullptr ? PyTuple_Size(kwnames) : 0;
  for (Py_ssize_t k = 0; k < nkw; ++k) {
    PyObject* name = PyTuple_GetItem(kwnames, k);
    const auto index = param_index(sig, name);
    if (!index) {
      PyErr_Format(PyExc_TypeError, "%s() got an unexpected keyword argument '%U'", sig.name, name);
      return std::nullopt;
    }
    if (bound[*index] != nullptr) {
      PyErr_Format(PyExc_TypeError, "%s() got multiple values for argument '%U'", sig.name, name);
      return std::nullopt;
    }
    bound[*index] = args[nargs + k];
  }
  if (raise_missing(sig, bound)) return std::nullopt;

  std::vector<std::string_view> texts;
  texts.reserve(bound.size());
  for (std::size_t i = 0; i < bound.size(); ++i) {
    auto text = to_text(bound[i], sig.params[i]);
    if (!text) return std::nullopt;
    texts.push_back(*text);
  }
  return texts;
}

}  // namespace korvo::module
