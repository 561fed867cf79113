#pragma once
// Wiping of secret material (private keys, nonces, MAC states) in a way the
// optimiser may not drop.

#include <cstddef>
#include <openssl/crypto.h>

namespace korvo {

inline void wipe(void* data, std::size_t size) { OPENSSL_cleanse(data, size); }

template <class T>
inline void wipe(T& value) {
  wipe(&value, sizeof(T));
}

}  // namespace korvo
