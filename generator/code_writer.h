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

  void piece(std::string_view bytes) {
    if (style_.skipSpace && isWhiteSpacePiece(bytes, encoding_)) {
      close();
      text(bytes);
      return;
    }
    if (index_ == nextStepAt_) advanceStep();
    const bool shares = open_ && (openStep_ == step_ || (style_.merge && openColour_ == colour_));
    if (!shares) {
      close();
      open();
    }
    openStep_ = step_;
    text(bytes);
    ++index_;
  }
  // Closes the open tag and hands the rest of the code to the sink.
  void finish();

 private:
  void advanceStep();
  void open() {
    // The tag is copied whole (32 bytes); only its own length counts.
    std::memcpy(room(sizeof tag_), tag_, sizeof tag_);
    used_ += tagSize_;
    open_ = true;
    openColour_ = colour_;
  }
  void close() {
    if (!open_) return;
    std::memcpy(room(sizeof closeTag_), closeTag_, sizeof closeTag_);
    used_ += closeSize_;
    open_ = false;
  }
  void text(std::string_view bytes) {
    if (!html_ && bytes.size() == 1 && !opensPairByte(bytes[0])) {
      *room(1) = bytes[0];
      ++used_;
      return;
    }
    otherText(bytes);
  }
  static bool opensPairByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }
  void otherText(std::string_view bytes);
  // Room for `size` more bytes at the end of the buffer.
  char* room(std::size_t size) {
    if (size > buffer_.size() - used_) flush();
    return buffer_.data() + used_;
  }
  void put(std::string_view bytes);
  void flush();
  std::uint32_t firstPieceOf(std::uint64_t step) const;

  const GradientStyle& style_;
  TextEncoding encoding_;
  CodeSink& sink_;
  PieceEncoder* encoder_;
  bool html_;
  std::uint32_t pieces_;
  std::uint32_t steps_;
  StopRamp ramp_;

  std::uint32_t index_ = 0;  // coloured pieces written
  std::uint32_t step_ = 0;
  std::uint32_t nextStepAt_ = 0;
  ColourRef colour_ = 0;  // step_'s colour
  char tag_[32] = {};     // the opening tag of colour_
  std::size_t tagSize_ = 0;
  char closeTag_[8] = {};  // "[/color]" or "</span>"
  std::size_t closeSize_ = 0;
  bool open_ = false;
  std::uint32_t openStep_ = 0;
  ColourRef openColour_ = 0;

  std::array<char, 1 << 16> buffer_;
  std::size_t used_ = 0;
};

// The whole code of a code page 936 text in memory: for tests and small texts.
std::string styledCode(std::string_view text, const GradientStyle& style);

}  // namespace tessaly
