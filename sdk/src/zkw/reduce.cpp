#include "zkw/reduce.h"

namespace korvo::zkw {

// One Montgomery product by R^2 takes any integer below 2^256 to the stored
// form of its residue (Fr::from_raw), so no limb needs a product of its own.
curve::Fr message_element(const encoding::U256& word) {
  const encoding::U256::Limbs& l = word.limbs();
  return curve::Fr::from_raw({l[0], l[1], l[2], l[3] & 0x7FFFFFFFFFFFFFFF});
}

}  // namespace korvo::zkw
