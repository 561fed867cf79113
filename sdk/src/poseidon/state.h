#pragma once
// Shape of the permutation state: one capacity element and eight rate elements.

#include <cstddef>

#include "poseidon/matrix.h"

namespace korvo::poseidon {

inline constexpr std::size_t kWidth = 9;
inline constexpr std::size_t kRate = kWidth - 1;

using State = Vector<kWidth>;
using Block = Vector<kRate>;

}  // namespace korvo::poseidon
