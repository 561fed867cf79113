#include "hash/hash2.h"

#include "hash/poseidon_hasher.h"

namespace korvo::hash {

encoding::U256 hash2(const encoding::U256& a, const encoding::U256& b) {
  zkw::Poseidon hasher;
  hasher.update_single(a);
  hasher.update_single(b);
  return hasher.finalize();
}

}  // namespace korvo::hash
