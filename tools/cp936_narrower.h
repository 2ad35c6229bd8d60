// UTF-8 to code page 936, fast: each distinct character is converted once
// through the platform's converter (utf8ToCp936) and kept in a table, so
// the bytes are that converter's. The first problem in text order is
// reported: a bad UTF-8 byte or a character that code page 936 can't hold.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "tools/text_encoding.h"

namespace tessaly {

class Cp936Narrower {
 public:
  // Appends the code page 936 form of `utf8` to `out`. On a bad byte or a
  // character that code page 936 can't hold, returns its offset in `utf8` and
  // what is wrong, with `out` partly filled.
  std::optional<std::size_t> narrow(std::string_view utf8, std::string& out, std::string& what);

 private:
  struct Entry {
    std::uint8_t state = 0;  // 0 not yet converted, 1 valid, 2 code page 936 can't hold it
    std::uint8_t size = 0;
    std::array<char, 2> bytes{};
  };
  std::unique_ptr<Entry[]> table_;  // by code point, U+0000 to U+FFFF
};

}  // namespace tessaly
