// The program's allocation functions: every form of operator new, the
// non-throwing ones included, reports a failed allocation as the fatal error
// "分配 N 字节内存失败!" with the size asked for and ends the process, so no
// part of the program (nor the standard library inside it) goes on without
// the memory it asked for.
#include <cstdlib>
#include <malloc.h>
#include <new>

#include "app/fatal_error.h"

namespace {

void* allocate(std::size_t bytes) {
  if (void* memory = std::malloc(bytes ? bytes : 1)) return memory;
  tessaly::fatalOutOfMemory(bytes);
}

void* allocateAligned(std::size_t bytes, std::align_val_t alignment) {
  if (void* memory = _aligned_malloc(bytes ? bytes : 1, static_cast<std::size_t>(alignment)))
    return memory;
  tessaly::fatalOutOfMemory(bytes);
}

}  // namespace

void* operator new(std::size_t bytes) {
  return allocate(bytes);
}
void* operator new[](std::size_t bytes) {
  return allocate(bytes);
}
void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept {
  return allocate(bytes);
}
void* operator new[](std::size_t bytes, const std::nothrow_t&) noexcept {
  return allocate(bytes);
}
void* operator new(std::size_t bytes, std::align_val_t alignment) {
  return allocateAligned(bytes, alignment);
}
void* operator new[](std::size_t bytes, std::align_val_t alignment) {
  return allocateAligned(bytes, alignment);
}
void* operator new(std::size_t bytes, std::align_val_t alignment, const std::nothrow_t&) noexcept {
  return allocateAligned(bytes, alignment);
}
void* operator new[](std::size_t bytes, std::align_val_t alignment,
                     const std::nothrow_t&) noexcept {
  return allocateAligned(bytes, alignment);
}

void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete[](void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
  std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
  std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::align_val_t) noexcept {
  _aligned_free(memory);
}
void operator delete[](void* memory, std::align_val_t) noexcept {
  _aligned_free(memory);
}
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept {
  _aligned_free(memory);
}
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept {
  _aligned_free(memory);
}
void operator delete(void* memory, std::align_val_t, const std::nothrow_t&) noexcept {
  _aligned_free(memory);
}
void operator delete[](void* memory, std::align_val_t, const std::nothrow_t&) noexcept {
  _aligned_free(memory);
}
