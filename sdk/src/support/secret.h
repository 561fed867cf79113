#pragma once
// Wiping of secret material (private keys, nonces, MAC states) in a way the
// optimiser may not drop.

#include <cstddef>
#include <cstring>
#include <type_traits>
#include <utility>

namespace korvo {

// A memset followed by a barrier that claims to read the memory, so the
// compiler must keep it; unlike explicit_bzero it needs no newer glibc.
inline void wipe(void* data, std::size_t size) {
  if (size == 0) return;  // an empty buffer may have no address
  std::memset(data, 0, size);
  asm volatile("" : : "r"(data) : "memory");
}

template <class T>
inline void wipe(T& value) {
  wipe(&value, sizeof(T));
}

// A secret value that wipes itself on every way out of its scope, a thrown
// failure included. Moving wipes the source; copies are not allowed, since
// each would need a wipe of its own.
template <class T>
class Secret {
  static_assert(std::is_trivially_copyable_v<T>, "a byte-wise wipe must leave a valid value");

 public:
  Secret() : value_{} {}
  explicit Secret(const T& value) : value_(value) {}
  Secret(Secret&& other) noexcept : value_(other.value_) { wipe(other.value_); }
  Secret& operator=(Secret&& other) noexcept {
    value_ = other.value_;
    wipe(other.value_);
    return *this;
  }
  Secret(const Secret&) = delete;
  Secret& operator=(const Secret&) = delete;
  ~Secret() { wipe(value_); }

  T& operator*() { return value_; }
  const T& operator*() const { return value_; }
  T* operator->() { return &value_; }
  const T* operator->() const { return &value_; }

 private:
  T value_;
};

// Zeroes the stack below the caller's frame, as deep as any SDK operation
// reaches: copies of secrets that the compiler keeps in registers spilled to
// the stack, or in return slots, outlive the frames that made them.
void wipe_stack_below();

namespace detail {

// Keeps `operation` out of the caller's frame, which outlives the wipe.
template <class F>
[[gnu::noinline]] auto run_apart(F& operation) -> decltype(operation()) {
  return operation();
}

}  // namespace detail

// Runs `operation` in frames of its own and wipes them once it has returned
// or thrown.
template <class F>
auto with_stack_wiped(F&& operation) -> decltype(operation()) {
  struct WipeOnExit {
    ~WipeOnExit() { wipe_stack_below(); }
  } const wipe_on_exit;
  return detail::run_apart(operation);
}

}  // namespace korvo
