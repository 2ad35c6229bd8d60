// Conversions through the Windows code pages (the Windows build).
#include <windows.h>

#include <climits>

#include "tools/text_encoding.h"

namespace tessaly {
namespace {

constexpr UINT kCp936 = 936;

std::wstring toWide(UINT codePage, std::string_view text, bool& ok) {
  std::wstring wide;
  ok = true;
  if (text.empty()) return wide;
  if (text.size() > INT_MAX) {
    ok = false;
    return wide;
  }
  const int size = static_cast<int>(text.size());
  const int length =
      MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (length <= 0) {
    ok = false;
    return wide;
  }
  wide.resize(static_cast<std::size_t>(length));
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
  return wide;
}

// Narrows UTF-16 to `codePage`; false where a character has no exact form there.
bool toNarrow(UINT codePage, std::wstring_view wide, std::string& out) {
  out.clear();
  if (wide.empty()) return true;
  if (wide.size() > INT_MAX) return false;
  const int size = static_cast<int>(wide.size());
  const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* const usedDefaultPtr = codePage == CP_UTF8 ? nullptr : &usedDefault;
  const int length =
      WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefaultPtr);
  if (length <= 0 || usedDefault) return false;
  out.resize(static_cast<std::size_t>(length));
  WideCharToMultiByte(codePage, flags, wide.data(), size, out.data(), length, nullptr,
                      usedDefaultPtr);
  return !usedDefault;
}

// Byte length of the well-formed UTF-8 sequence that starts with `lead`.
std::size_t utf8Length(unsigned char lead) {
  return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

}  // namespace

Conversion utf8ToCp936(std::string_view utf8) {
  if (const auto bad = findInvalidUtf8(utf8)) return {{}, bad, "not valid UTF-8"};
  Conversion result;
  bool ok = false;
  const std::wstring wide = toWide(CP_UTF8, utf8, ok);
  if (ok && toNarrow(kCp936, wide, result.bytes)) return result;
  // Find the first character that code page 936 can't hold.
  std::string ignored;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t length = utf8Length(static_cast<unsigned char>(utf8[i]));
    bool one = false;
    const std::wstring w = toWide(CP_UTF8, utf8.substr(i, length), one);
    if (!one || !toNarrow(kCp936, w, ignored)) {
      return {{}, i, "a character that code page 936 can't hold"};
    }
    i += length;
  }
  return {{}, 0, "a character that code page 936 can't hold"};
}

Conversion cp936ToUtf8(std::string_view cp936) {
  Conversion result;
  bool ok = false;
  const std::wstring wide = toWide(kCp936, cp936, ok);
  if (ok && toNarrow(CP_UTF8, wide, result.bytes)) return result;
  // Find the first byte where a valid character doesn't start.
  for (std::size_t i = 0; i < cp936.size();) {
    const std::size_t length =
        static_cast<unsigned char>(cp936[i]) >= 0x81 && i + 1 < cp936.size() ? 2 : 1;
    bool one = false;
    toWide(kCp936, cp936.substr(i, length), one);
    if (!one) return {{}, i, "not valid code page 936"};
    i += length;
  }
  return {{}, 0, "not valid code page 936"};
}

}  // namespace tessaly
