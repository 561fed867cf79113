#pragma once
// Marks values secret (undefined to memcheck, so that branching on them or
// indexing with them is reported) and public again before results are compared.

#include <valgrind/memcheck.h>

#include <string>

namespace korvo::ctime {

template <class T>
void mark_secret(T& value) {
  VALGRIND_MAKE_MEM_UNDEFINED(&value, sizeof(T));
}

template <class T>
void mark_public(T& value) {
  VALGRIND_MAKE_MEM_DEFINED(&value, sizeof(T));
}

inline void mark_secret(std::string& text) { VALGRIND_MAKE_MEM_UNDEFINED(text.data(), text.size()); }
inline void mark_public(std::string& text) { VALGRIND_MAKE_MEM_DEFINED(text.data(), text.size()); }

}  // namespace korvo::ctime
