#pragma once
// Addition, subtraction, negation and the final subtraction of a Montgomery
// product in x86-64 assembly: one carry chain each and conditional moves, so
// the compiler can neither break the chains nor turn a selection into a
// branch. The operands are below the modulus q < 2^255.

#include <cstdint>

#include "curve/limbs.h"

#if defined(__x86_64__)

namespace korvo::curve {

// a mod q for a below 2q.
[[gnu::always_inline]] inline Limbs reduce_once_x86(const Limbs& a, const Limbs& q) {
  std::uint64_t s0 = a[0], s1 = a[1], s2 = a[2], s3 = a[3];
  asm("subq %[q0], %[s0]\n\tsbbq %[q1], %[s1]\n\tsbbq %[q2], %[s2]\n\tsbbq %[q3], %[s3]\n\t"
      "cmovcq %[a0], %[s0]\n\tcmovcq %[a1], %[s1]\n\tcmovcq %[a2], %[s2]\n\tcmovcq %[a3], %[s3]\n\t"
      : [s0] "+&r"(s0), [s1] "+&r"(s1), [s2] "+&r"(s2), [s3] "+&r"(s3)
      : [a0] "rm"(a[0]), [a1] "rm"(a[1]), [a2] "rm"(a[2]), [a3] "rm"(a[3]), [q0] "m"(q[0]), [q1] "m"(q[1]),
        [q2] "m"(q[2]), [q3] "m"(q[3])
      : "cc");
  return {s0, s1, s2, s3};
}

// (a + b) mod q; the sum stays below 2q < 2^256.
[[gnu::always_inline]] inline Limbs add_x86(const Limbs& a, const Limbs& b, const Limbs& q) {
  std::uint64_t r0 = a[0], r1 = a[1], r2 = a[2], r3 = a[3], s0, s1, s2, s3;
  asm("addq %[b0], %[r0]\n\tadcq %[b1], %[r1]\n\tadcq %[b2], %[r2]\n\tadcq %[b3], %[r3]\n\t"
      "movq %[r0], %[s0]\n\tsubq %[q0], %[s0]\n\t"
      "movq %[r1], %[s1]\n\tsbbq %[q1], %[s1]\n\t"
      "movq %[r2], %[s2]\n\tsbbq %[q2], %[s2]\n\t"
      "movq %[r3], %[s3]\n\tsbbq %[q3], %[s3]\n\t"
      "cmovcq %[r0], %[s0]\n\tcmovcq %[r1], %[s1]\n\tcmovcq %[r2], %[s2]\n\tcmovcq %[r3], %[s3]\n\t"
      : [r0] "+&r"(r0), [r1] "+&r"(r1), [r2] "+&r"(r2), [r3] "+&r"(r3), [s0] "=&r"(s0), [s1] "=&r"(s1),
        [s2] "=&r"(s2), [s3] "=&r"(s3)
      : [b0] "rm"(b[0]), [b1] "rm"(b[1]), [b2] "rm"(b[2]), [b3] "rm"(b[3]), [q0] "m"(q[0]), [q1] "m"(q[1]),
        [q2] "m"(q[2]), [q3] "m"(q[3])
      : "cc");
  return {s0, s1, s2, s3};
}

// (a - b) mod q: q is added back when the subtraction borrows.
[[gnu::always_inline]] inline Limbs sub_x86(const Limbs& a, const Limbs& b, const Limbs& q) {
  std::uint64_t r0 = a[0], r1 = a[1], r2 = a[2], r3 = a[3], z0, z1, z2, z3;
  asm("subq %[b0], %[r0]\n\tsbbq %[b1], %[r1]\n\tsbbq %[b2], %[r2]\n\tsbbq %[b3], %[r3]\n\t"
      "movq $0, %[z0]\n\tmovq $0, %[z1]\n\tmovq $0, %[z2]\n\tmovq $0, %[z3]\n\t"
      "cmovcq %[q0], %[z0]\n\tcmovcq %[q1], %[z1]\n\tcmovcq %[q2], %[z2]\n\tcmovcq %[q3], %[z3]\n\t"
      "addq %[z0], %[r0]\n\tadcq %[z1], %[r1]\n\tadcq %[z2], %[r2]\n\tadcq %[z3], %[r3]\n\t"
      : [r0] "+&r"(r0), [r1] "+&r"(r1), [r2] "+&r"(r2), [r3] "+&r"(r3), [z0] "=&r"(z0), [z1] "=&r"(z1),
        [z2] "=&r"(z2), [z3] "=&r"(z3)
      : [b0] "rm"(b[0]), [b1] "rm"(b[1]), [b2] "rm"(b[2]), [b3] "rm"(b[3]), [q0] "m"(q[0]), [q1] "m"(q[1]),
        [q2] "m"(q[2]), [q3] "m"(q[3])
      : "cc");
  return {r0, r1, r2, r3};
}

// q - a, or zero for a = 0.
[[gnu::always_inline]] inline Limbs neg_x86(const Limbs& a, const Limbs& q) {
  std::uint64_t s0 = q[0], s1 = q[1], s2 = q[2], s3 = q[3], any, zero;
  asm("subq %[a0], %[s0]\n\tsbbq %[a1], %[s1]\n\tsbbq %[a2], %[s2]\n\tsbbq %[a3], %[s3]\n\t"
      "movq %[a0], %[any]\n\torq %[a1], %[any]\n\torq %[a2], %[any]\n\torq %[a3], %[any]\n\t"
      "movl $0, %k[zero]\n\t"
      "cmovzq %[zero], %[s0]\n\tcmovzq %[zero], %[s1]\n\tcmovzq %[zero], %[s2]\n\tcmovzq %[zero], %[s3]\n\t"
      : [s0] "+&r"(s0), [s1] "+&r"(s1), [s2] "+&r"(s2), [s3] "+&r"(s3), [any] "=&r"(any), [zero] "=&r"(zero)
      : [a0] "rm"(a[0]), [a1] "rm"(a[1]), [a2] "rm"(a[2]), [a3] "rm"(a[3])
      : "cc");
  return {s0, s1, s2, s3};
}

}  // namespace korvo::curve

#endif
