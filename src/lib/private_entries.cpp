#include "lib/private_entries.h"

#include <exception>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "failure_reports.h"
#include "gil_released.h"
#include "guard.h"
#include "lib/batch_hash.h"
#include "lib/function_table.h"
#include "panic.h"

namespace korvo::module {

namespace {

// The owned references of the texts a call reads while the lock is released:
// another thread may empty the caller's list meanwhile.
class HeldTexts {
 public:
  HeldTexts() = default;
  HeldTexts(const HeldTexts&) = delete;
  HeldTexts& operator=(const HeldTexts&) = delete;
  ~HeldTexts() {
    for (PyObject* object : objects_) Py_DECREF(object);
  }

  // False with TypeError set when `object` is not a str.
  bool add(PyObject* object) {
    Py_ssize_t size = 0;
    const char* utf8 = PyUnicode_Check(object) ? PyUnicode_AsUTF8AndSize(object, &size) : nullptr;
    if (utf8 == nullptr) {
      if (!PyErr_Occurred()) PyErr_SetString(PyExc_TypeError, "texts must be str");
      return false;
    }
    objects_.push_back(Py_NewRef(object));
    texts_.emplace_back(utf8, static_cast<std::size_t>(size));
    return true;
  }

  std::string_view operator[](std::size_t i) const { return texts_[i]; }
  std::span<const std::string_view> span(std::size_t first, std::size_t count) const {
    return std::span<const std::string_view>(texts_).subspan(first, count);
  }

 private:
  std::vector<PyObject*> objects_;
  std::vector<std::string_view> texts_;
};

std::optional<std::size_t> row_index(PyObject* object) {
  const long index = PyLong_AsLong(object);
  if (index == -1 && PyErr_Occurred()) return std::nullopt;
  if (index < 0 || static_cast<std::size_t>(index) >= kFunctionCount) {
    PyErr_SetString(PyExc_IndexError, "no function with that index");
    return std::nullopt;
  }
  return static_cast<std::size_t>(index);
}

// (kind, message): kind "error" or "internal failure", message the second
// line of the report the public function would have written.
PyObject* failure_value(const sdk::Failure& failure) {
  PyObject* message = PyUnicode_DecodeUTF8(failure.message.data(), static_cast<Py_ssize_t>(failure.message.size()),
                                           "backslashreplace");
  if (message == nullptr) return nullptr;
  return Py_BuildValue("(sN)", report_kind(failure.kind), message);
}

// _call(index, *texts): the function of row `index` on the texts, without a
// report; its result, or the tuple of failure_value.
PyObject* call_texts(PyObject* const* args, Py_ssize_t nargs) {
  if (nargs < 1) {
    PyErr_SetString(PyExc_TypeError, "_call needs a function index");
    return nullptr;
  }
  const auto index = row_index(args[0]);
  if (!index) return nullptr;
  const FunctionRow& row = kFunctionTable[*index];
  if (static_cast<std::size_t>(nargs - 1) != row.signature.params.size()) {
    PyErr_SetString(PyExc_TypeError, "_call: wrong number of texts");
    return nullptr;
  }
  HeldTexts held;
  std::vector<std::string_view> texts;
  for (Py_ssize_t i = 1; i < nargs; ++i) {
    if (!held.add(args[i])) return nullptr;
    texts.push_back(held[static_cast<std::size_t>(i - 1)]);
  }
  std::optional<sdk::Outcome<Reply>> outcome;
  {
    GilReleased released;
    outcome.emplace(row.run(texts));
  }
  if (!outcome->has_value()) return failure_value(outcome->error());
  Reply reply = std::move(*outcome).value();
  return to_python(reply);
}

// How many rows from `first` on are hash_limit_order.
std::size_t order_hash_run(const std::vector<const FunctionRow*>& rows, std::size_t first) {
  std::size_t count = 0;
  while (first + count < rows.size() &&
         std::string_view(rows[first + count]->signature.name) == "hash_limit_order") {
    ++count;
  }
  return count;
}

struct ManyFailure {
  std::size_t index;
  sdk::Failure failure;
};

// _call_many(rows, texts, key=None): row rows[i] on texts[i] (and the key,
// when given) for every i, in order, with the lock released once for the
// whole list. A list of the results, or (i, (kind, message)) of the first
// failure, the later items not run.
PyObject* call_many_texts(PyObject* const* args, Py_ssize_t nargs) {
  if (nargs < 2 || nargs > 3 || !PyList_Check(args[0]) || !PyList_Check(args[1])) {
    PyErr_SetString(PyExc_TypeError, "_call_many(rows: list, texts: list, key=None)");
    return nullptr;
  }
  const bool keyed = nargs == 3 && args[2] != Py_None;
  const Py_ssize_t count = PyList_Size(args[0]);
  if (PyList_Size(args[1]) != count) {
    PyErr_SetString(PyExc_ValueError, "_call_many: rows and texts differ in length");
    return nullptr;
  }
  std::vector<const FunctionRow*> rows;
  rows.reserve(static_cast<std::size_t>(count));
  HeldTexts held;
  for (Py_ssize_t i = 0; i < count; ++i) {
    const auto index = row_index(PyList_GetItem(args[0], i));
    if (!index) return nullptr;
    const FunctionRow& row = kFunctionTable[*index];
    if (row.signature.params.size() != (keyed ? 2u : 1u)) {
      PyErr_SetString(PyExc_TypeError, "_call_many: a row that does not take these texts");
      return nullptr;
    }
    rows.push_back(&row);
    if (!held.add(PyList_GetItem(args[1], i))) return nullptr;
  }
  if (keyed && !held.add(args[2])) return nullptr;
  const std::string_view key = keyed ? held[static_cast<std::size_t>(count)] : std::string_view();

  std::vector<Reply> replies;
  replies.reserve(rows.size());
  std::optional<ManyFailure> failed;
  {
    GilReleased released;
    std::size_t i = 0;
    while (i < rows.size() && !failed) {
      // Consecutive order hashes go two at a time; the paired path stops
      // before an order that fails, and the single call below reports it.
      const std::size_t run = keyed ? 0 : order_hash_run(rows, i);
      if (run >= 2) {
        std::vector<std::string> hashes = lib::hash_limit_order_prefix(held.span(i, run));
        for (std::string& text : hashes) replies.emplace_back(std::move(text));
        i += hashes.size();
        if (hashes.size() == run) continue;
      }
      const std::string_view texts[2] = {held[i], key};
      auto outcome = rows[i]->run(Texts(texts, keyed ? 2 : 1));
      if (outcome.has_value()) {
        replies.push_back(std::move(outcome).value());
      } else {
        failed.emplace(ManyFailure{i, outcome.error()});
      }
      ++i;
    }
  }
  if (failed) {
    PyObject* failure = failure_value(failed->failure);
    if (failure == nullptr) return nullptr;
    return Py_BuildValue("(nN)", static_cast<Py_ssize_t>(failed->index), failure);
  }
  PyObject* results = PyList_New(count);
  if (results == nullptr) return nullptr;
  for (std::size_t i = 0; i < replies.size(); ++i) {
    PyObject* result = to_python(replies[i]);
    if (result == nullptr) {
      Py_DECREF(results);
      return nullptr;
    }
    PyList_SetItem(results, static_cast<Py_ssize_t>(i), result);
  }
  return results;
}

// Out of memory is the only thing that throws here: a PanicException, as
// for the public functions.
template <PyObject* (*Entry)(PyObject* const*, Py_ssize_t)>
PyObject* guarded_entry(PyObject*, PyObject* const* args, Py_ssize_t nargs) {
  try {
    return Entry(args, nargs);
  } catch (const std::exception& failure) {
    return raise_panic(failure.what());
  }
}

// _set_failure_reports(on): switches the public functions' reports; returns
// the previous setting.
PyObject* set_reports(PyObject*, PyObject* on) {
  const int truth = PyObject_IsTrue(on);
  if (truth < 0) return nullptr;
  return Py_NewRef(set_failure_reports(truth != 0) ? Py_True : Py_False);
}

PyCFunction as_cfunction(PyObject* (*entry)(PyObject*, PyObject* const*, Py_ssize_t)) {
  return reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(entry));
}

PyMethodDef g_private_defs[] = {
    {"_call", as_cfunction(&guarded_entry<call_texts>), METH_FASTCALL, nullptr},
    {"_call_many", as_cfunction(&guarded_entry<call_many_texts>), METH_FASTCALL, nullptr},
    {"_set_failure_reports", set_reports, METH_O, nullptr},
};

}  // namespace

bool add_private_entries(PyObject* module, PyObject* module_name) {
  for (PyMethodDef& def : g_private_defs) {
    PyObject* function = PyCFunction_NewEx(&def, module, module_name);
    const bool ok = function != nullptr && PyModule_AddObjectRef(module, def.ml_name, function) == 0;
    Py_XDECREF(function);
    if (!ok) return false;
  }
  return true;
}

}  // namespace korvo::module
