#pragma once
// Lanes of doubles, and their bits, in the compiler's vector types, for the
// engine's own sine, cosine and arctangent. Each operation on them works lane
// by lane, on a vector or on a plain double alike, and gives the same bits at
// every width; the files that use them are built without fused
// multiply-adds, so the bits are the same on every machine too.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace saltmark::lanes {

using Double2 = double __attribute__((vector_size(16)));
using Bits2 = std::uint64_t __attribute__((vector_size(16)));
using Double4 = double __attribute__((vector_size(32)));
using Bits4 = std::uint64_t __attribute__((vector_size(32)));

template <class Real>
inline constexpr std::size_t kLaneCount = sizeof(Real) / sizeof(double);

// a where the mask is set, b elsewhere; the mask is a comparison's result.
template <class Real, class Bits, class Mask>
[[gnu::always_inline]] inline Real choose(Mask mask, Real a, Real b) {
  const Bits m = std::bit_cast<Bits>(mask);
  return std::bit_cast<Real>((std::bit_cast<Bits>(a) & m) | (std::bit_cast<Bits>(b) & ~m));
}

}  // namespace saltmark::lanes
