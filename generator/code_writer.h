// Writing styled code piece by piece, in constant memory: the pieces are
// handed over in text order and the code leaves through a sink in blocks.
// The number of coloured pieces must be known first (count, then write).
#pragma once

#include <array>
#include <cstring>
#include <cstdint>
#include <string>
#include <string_view>

#include "generator/gradient_style.h"
#include "generator/stop_ramp.h"
#include "generator/white_space.h"

namespace tessaly {

class CodeSink {
 public:
  virtual ~CodeSink() = default;
  virtual void write(std::string_view bytes) = 0;
};

class StringSink : public CodeSink {
 public:
  void write(std::string_view bytes) override { text.append(bytes); }
  std::string text;
};

// Turns a piece's bytes into the output's encoding (code page 936 to UTF-8).
// Only pieces with a byte of 0x80 or above are handed over.
class PieceEncoder {
 public:
  virtual ~PieceEncoder() = default;
  virtual std::string_view encode(std::string_view piece) = 0;
};

// Counting the coloured pieces: those that take a step.
inline bool takesStep(const GradientStyle& style, std::string_view piece, TextEncoding encoding) {
  return !(style.skipSpace && isWhiteSpacePiece(piece, encoding));
}

class CodeWriter {
 public:
  // `colouredPieces`: how many pieces will take a step. `encoder` may be
  // null: the bytes are written as they are.
  CodeWriter(const GradientStyle& style, TextEncoding pieceEncoding, std::uint32_t colouredPieces,
             CodeSink& sink, PieceEncoder* encoder = nullptr);
  CodeWriter(const CodeWriter&) = delete;
  CodeWriter& operator=(const CodeWriter&) = delete;

  void piece(std::string_view bytes);
  // Closes the open tag and hands the rest of the code to the sink.
  void finish();

 private:
  void open(ColourRef colour);
  void close();
  void text(std::string_view bytes);
  void put(std::string_view bytes) {
    if (bytes.size() > buffer_.size() - used_) flush();
    if (bytes.size() > buffer_.size()) {
      sink_.write(bytes);
      return;
    }
    std::memcpy(buffer_.data() + used_, bytes.data(), bytes.size());
    used_ += bytes.size();
  }
  void flush();
  std::uint32_t firstPieceOf(std::uint64_t step) const;

  const GradientStyle& style_;
  TextEncoding encoding_;
  CodeSink& sink_;
  PieceEncoder* encoder_;
  std::uint32_t pieces_;
  std::uint32_t steps_;
  StopRamp ramp_;

  std::uint32_t index_ = 0;  // coloured pieces written
  std::uint32_t step_ = 0;
  std::uint32_t nextStepAt_ = 0;
  bool open_ = false;
  std::uint32_t openStep_ = 0;
  ColourRef openColour_ = 0;

  std::array<char, 1 << 16> buffer_;
  std::size_t used_ = 0;
};

// The whole code of a code page 936 text in memory: for tests and small texts.
std::string styledCode(std::string_view text, const GradientStyle& style);

}  // namespace tessaly
