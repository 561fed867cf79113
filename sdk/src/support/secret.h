#pragma once
// Wiping of secret material (private keys, nonces, MAC states) in a way the
// optimiser may not drop.

#include <cstddef>
#include <string.h>

namespace korvo {

// explicit_bzero is a plain memset that the compiler must keep.
inline void wipe(void* data, std::size_t size) {
  if (size != 0) explicit_bzero(data, size);  // an empty buffer may have no address
}

template <class T>
inline void wipe(T& value) {
  wipe(&value, sizeof(T));
}

}  // namespace korvo
