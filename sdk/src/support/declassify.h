#pragma once
// Values computed from secrets that the SDK reveals on purpose: whether a key
// text is a key (and if not, why), whether a nonce or key candidate is below
// the modulus, and the public results of signing (R, S, the public key).
//
// The constant-time check (tests/ctime) runs the SDK under valgrind with the
// secrets marked undefined, so that every branch and memory index that depends
// on them is reported. declassify() marks such a value defined again, right
// where it becomes public, so that the decisions taken on it are not. Builds
// without KORVO_CTIME_HOOKS compile it to nothing.

#include <cstddef>

#if defined(KORVO_CTIME_HOOKS)
#include <valgrind/memcheck.h>
#endif

namespace korvo {

inline void declassify([[maybe_unused]] const void* data, [[maybe_unused]] std::size_t size) {
#if defined(KORVO_CTIME_HOOKS)
  (void)VALGRIND_MAKE_MEM_DEFINED(data, size);
#endif
}

template <class T>
inline void declassify(const T& value) {
  declassify(&value, sizeof value);
}

}  // namespace korvo
