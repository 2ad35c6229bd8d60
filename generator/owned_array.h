// Fixed-size owned storage whose elements are left uninitialised on purpose:
// the generator writes every element exactly once, and a zero-fill first would
// double the memory traffic of a large generation.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string_view>
#include <type_traits>

namespace tessaly {

template <class T>
class OwnedArray {
  static_assert(std::is_trivially_default_constructible_v<T>);

 public:
  OwnedArray() = default;
  // Throws std::bad_alloc when the memory can't be had.
  explicit OwnedArray(std::size_t count)
      : data_(count ? std::make_unique_for_overwrite<T[]>(count) : nullptr), size_(count) {}

  T* data() { return data_.get(); }
  const T* data() const { return data_.get(); }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  T& operator[](std::size_t i) { return data_[i]; }
  const T& operator[](std::size_t i) const { return data_[i]; }
  T* begin() { return data(); }
  T* end() { return data() + size_; }
  const T* begin() const { return data(); }
  const T* end() const { return data() + size_; }
  std::span<const T> span() const { return {data(), size_}; }

 private:
  std::unique_ptr<T[]> data_;
  std::size_t size_ = 0;
};

// A byte string with a terminating NUL that size() doesn't count.
class ByteString {
 public:
  ByteString() = default;
  // Room for `size` bytes, contents unset; the terminating NUL is placed.
  explicit ByteString(std::size_t size) : bytes_(size + 1) { bytes_[size] = '\0'; }

  char* data() { return bytes_.data(); }
  const char* c_str() const { return bytes_.empty() ? "" : bytes_.data(); }
  std::size_t size() const { return bytes_.empty() ? 0 : bytes_.size() - 1; }
  bool empty() const { return size() == 0; }
  std::string_view view() const { return {c_str(), size()}; }

 private:
  OwnedArray<char> bytes_;
};

}  // namespace tessaly
