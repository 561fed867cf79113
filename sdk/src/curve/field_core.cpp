#include "curve/field_core.h"

namespace korvo::curve {

std::string repr_to_hex(const Limbs& repr) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text = "0x";
  for (int i = 255; i >= 0; i -= 4) text += kDigits[(repr[i / 64] >> (i % 64 - 3)) & 0xf];
  return text;
}

}  // namespace korvo::curve
