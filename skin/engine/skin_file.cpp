#include "skin/engine/skin_file.h"

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

namespace tessaly::skin {
namespace {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

}  // namespace

std::optional<Skin> readSkinFile(const char* path) {
  if (!path || !*path) return std::nullopt;
  const HANDLE opened = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return std::nullopt;
  const FileHandle file(opened);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
      static_cast<unsigned long long>(size.QuadPart) > kMaxFileBytes)
    return std::nullopt;
  // One byte more than the size asks for: a file that grew since is caught.
  std::string bytes(static_cast<std::size_t>(size.QuadPart) + 1, '\0');
  DWORD read = 0;
  if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
      read != static_cast<DWORD>(size.QuadPart))
    return std::nullopt;
  bytes.resize(read);
  return parseSkin(bytes).skin;
}

}  // namespace tessaly::skin
