// Code page 936 pieces to UTF-8, one piece at a time. Each distinct
// character is converted once, through the platform's converter, and kept.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "generator/code_writer.h"

namespace tessaly {

class Utf8Encoder : public PieceEncoder {
 public:
  // The UTF-8 form of a piece of one or two code page 936 bytes; empty where
  // the bytes aren't a valid character.
  std::string_view encode(std::string_view piece) override;

 private:
  struct Entry {
    std::uint8_t state = 0;  // 0 not yet converted, 1 valid, 2 invalid
    std::uint8_t size = 0;
    std::array<char, 6> bytes{};
  };
  std::unique_ptr<Entry[]> table_;  // by the piece's bytes as a 16-bit number
};

}  // namespace tessaly
