// The extension module korvo_python_sdk: creation, registration of the
// function table, and the entry point shared by every function.

#include <atomic>
#include <exception>
#include <string>
#include <utility>

#include "api/fault_injection.h"
#include "binding.h"
#include "guard.h"
#include "lib/function_table.h"
#include "lib/private_entries.h"
#include "panic.h"
#include "python.h"

namespace korvo::module {

namespace {

constexpr const char* kModuleName = "korvo_python_sdk";

std::atomic<bool> g_initialised{false};

PyObject* call_row(const FunctionRow& row, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
  try {
    auto texts = bind_texts(row.signature, args, nargs, kwnames);
    if (!texts) return nullptr;
    // The texts are the argument strings' own UTF-8 buffers: the strings are
    // immutable and the caller holds them for the whole call, so they stay
    // valid while the operation runs without the interpreter lock.
    return run_guarded([&] { return row.run(*texts); });
  } catch (const std::exception& failure) {
    return raise_panic(failure.what());
  }
}

template <std::size_t I>
PyObject* entry(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
  return call_row(kFunctionTable[I], args, nargs, kwnames);
}

// "name(a, b)\n--\n\n" and the documentation: the interpreter derives
// __text_signature__ from the first line and __doc__ from the rest.
std::string text_signature_doc(const FunctionRow& row) {
  std::string doc = std::string(row.signature.name) + "(";
  for (std::size_t i = 0; i < row.signature.params.size(); ++i) {
    if (i > 0) doc += ", ";
    doc += row.signature.params[i];
  }
  return doc + ")\n--\n\n" + std::string(row.doc);
}

struct MethodTable {
  std::array<std::string, kFunctionCount> docs;
  std::array<PyMethodDef, kFunctionCount> defs;
};

// The method table stores fast-call entries as PyCFunction, as the
// interpreter expects; going through a plain function pointer says the cast
// is meant.
PyCFunction as_cfunction(PyObject* (*entry)(PyObject*, PyObject* const*, Py_ssize_t, PyObject*)) {
  return reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(entry));
}

template <std::size_t... I>
MethodTable make_method_table(std::index_sequence<I...>) {
  MethodTable table{{text_signature_doc(kFunctionTable[I])...}, {}};
  table.defs = {PyMethodDef{kFunctionTable[I].signature.name, as_cfunction(&entry<I>),
                            METH_FASTCALL | METH_KEYWORDS, nullptr}...};
  for (std::size_t i = 0; i < kFunctionCount; ++i) table.defs[i].ml_doc = table.docs[i].c_str();
  return table;
}

// Function objects keep pointers into this table for the life of the process.
MethodTable& method_table() {
  static MethodTable table = make_method_table(std::make_index_sequence<kFunctionCount>{});
  return table;
}

PyModuleDef g_module_def = {
    PyModuleDef_HEAD_INIT, kModuleName, "Hashing and signing of exchange transactions with Poseidon and EdDSA.",
    0, nullptr, nullptr, nullptr, nullptr, nullptr,
};

bool append_to_all(PyObject* module, PyObject* name) {
  PyObject* all = PyObject_GetAttrString(module, "__all__");
  if (all == nullptr) {
    if (!PyErr_ExceptionMatches(PyExc_AttributeError)) return false;
    PyErr_Clear();
    all = PyList_New(0);
    if (all == nullptr || PyModule_AddObjectRef(module, "__all__", all) < 0) {
      Py_XDECREF(all);
      return false;
    }
  }
  const bool ok = PyList_Append(all, name) == 0;
  Py_DECREF(all);
  return ok;
}

#if defined(KORVO_FAULT_INJECTION)
// Test builds only: _corrupt_signatures(on) switches the signing seam; it is
// not in __all__.
PyObject* corrupt_signatures(PyObject*, PyObject* on) {
  const int truth = PyObject_IsTrue(on);
  if (truth < 0) return nullptr;
  sdk::testing::corrupt_signatures(truth != 0);
  Py_RETURN_NONE;
}

PyMethodDef g_corrupt_signatures_def = {"_corrupt_signatures", corrupt_signatures, METH_O, nullptr};

bool add_test_seam(PyObject* module, PyObject* module_name) {
  PyObject* function = PyCFunction_NewEx(&g_corrupt_signatures_def, module, module_name);
  const bool ok = function != nullptr && PyModule_AddObjectRef(module, "_corrupt_signatures", function) == 0;
  Py_XDECREF(function);
  return ok;
}
#endif

bool register_function(PyObject* module, PyObject* module_name, PyMethodDef* def) {
  PyObject* function = PyCFunction_NewEx(def, module, module_name);
  if (function == nullptr) return false;
  PyObject* name = PyObject_GetAttrString(function, "__name__");
  const bool ok = name != nullptr && append_to_all(module, name) &&
                  PyModule_AddObjectRef(module, def->ml_name, function) == 0;
  Py_XDECREF(name);
  Py_DECREF(function);
  return ok;
}

PyObject* create_module() {
  PyObject* module = PyModule_Create2(&g_module_def, 1013);
  if (module == nullptr) return nullptr;
  if (g_initialised.exchange(true, std::memory_order_seq_cst)) {
    Py_DECREF(module);
    PyErr_SetString(PyExc_ImportError,
                    "korvo_python_sdk may be initialised only once per interpreter process");
    return nullptr;
  }
#if defined(Py_GIL_DISABLED)
  // Nothing of the module relies on the interpreter lock: a free-threaded
  // interpreter keeps running without it after the import.
  if (PyUnstable_Module_SetGIL(module, Py_MOD_GIL_NOT_USED) < 0) {
    Py_DECREF(module);
    return nullptr;
  }
#endif
  if (PyModule_AddStringConstant(module, "__version__", KORVO_VERSION) < 0) {
    Py_DECREF(module);
    return nullptr;
  }
  PyObject* module_name = PyModule_GetNameObject(module);
  if (module_name == nullptr) {
    Py_DECREF(module);
    return nullptr;
  }
  for (auto& def : method_table().defs) {
    if (!register_function(module, module_name, &def)) {
      Py_DECREF(module_name);
      Py_DECREF(module);
      return nullptr;
    }
  }
  if (!add_private_entries(module, module_name)) {
    Py_DECREF(module_name);
    Py_DECREF(module);
    return nullptr;
  }
#if defined(KORVO_FAULT_INJECTION)
  if (!add_test_seam(module, module_name)) {
    Py_DECREF(module_name);
    Py_DECREF(module);
    return nullptr;
  }
#endif
  Py_DECREF(module_name);
  return module;
}

}  // namespace

}  // namespace korvo::module

PyMODINIT_FUNC PyInit_korvo_python_sdk() {
  try {
    return korvo::module::create_module();
  } catch (const std::exception& failure) {
    return korvo::module::raise_panic(failure.what());
  }
}
