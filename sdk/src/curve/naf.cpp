#include "curve/naf.h"

#include "curve/field_core.h"

namespace korvo::curve {

Naf non_adjacent_form(const Limbs& k, int width) {
  const int window = 1 << width;
  std::array<std::uint64_t, 5> n{k[0], k[1], k[2], k[3], 0};
  Naf naf;
  while ((n[0] | n[1] | n[2] | n[3] | n[4]) != 0) {
    int digit = 0;
    if (n[0] & 1) {
      digit = static_cast<int>(n[0] & static_cast<std::uint64_t>(window - 1));
      if (digit >= window / 2) digit -= window;
      // n -= digit clears the low `width` bits.
      std::uint64_t carry = 0;
      const std::uint64_t magnitude = static_cast<std::uint64_t>(digit < 0 ? -digit : digit);
      for (std::size_t i = 0; i < n.size(); ++i) {
        const std::uint64_t operand = i == 0 ? magnitude : 0;
        n[i] = digit < 0 ? detail::add_carry(n[i], operand, carry) : detail::sub_borrow(n[i], operand, carry);
      }
    }
    naf.digits[static_cast<std::size_t>(naf.length++)] = static_cast<std::int8_t>(digit);
    for (std::size_t i = 0; i + 1 < n.size(); ++i) n[i] = (n[i] >> 1) | (n[i + 1] << 63);
    n[4] >>= 1;
  }
  return naf;
}

}  // namespace korvo::curve
