#include "generator/code_writer.h"

#include <algorithm>
#include <cstring>

#include "generator/display_char_cutter.h"
#include "generator/display_chars.h"
#include "generator/forum_code.h"
#include "generator/html_escape.h"

namespace tessaly {
namespace {

constexpr std::string_view kHtmlOpen = "<span style=\"color:#";
constexpr std::string_view kHtmlClose = "</span>";

bool hasHighByte(std::string_view bytes) {
  return std::any_of(bytes.begin(), bytes.end(), [](char c) { return opensPair(c); });
}

}  // namespace

CodeWriter::CodeWriter(const GradientStyle& style, TextEncoding pieceEncoding,
                       std::uint32_t colouredPieces, CodeSink& sink, PieceEncoder* encoder)
    : style_(style),
      encoding_(pieceEncoding),
      sink_(sink),
      encoder_(encoder),
      html_(style.format == CodeFormat::Html),
      pieces_(colouredPieces),
      steps_(std::clamp<std::uint32_t>(style.steps.value_or(colouredPieces), 1,
                                       std::max<std::uint32_t>(colouredPieces, 1))),
      ramp_(style, steps_) {
  step_ = UINT32_MAX;  // advanceStep() moves to step 0 at the first coloured piece
  const std::string_view close = html_ ? kHtmlClose : kCloseTag;
  std::memcpy(closeTag_, close.data(), close.size());
  closeSize_ = close.size();
}

// The first coloured piece of `step`: piece j takes step floor(j * steps / pieces).
std::uint32_t CodeWriter::firstPieceOf(std::uint64_t step) const {
  return static_cast<std::uint32_t>((step * pieces_ + steps_ - 1) / steps_);
}

void CodeWriter::advanceStep() {
  ++step_;
  if (step_ + 1 >= steps_)
    nextStepAt_ = UINT32_MAX;
  else if (steps_ == pieces_)  // a step for every piece, the usual case: no division
    nextStepAt_ = step_ + 1;
  else
    nextStepAt_ = firstPieceOf(std::uint64_t{step_} + 1);
  const ColourRef colour = ramp_.colourOf(step_);
  if (colour == colour_ && tagSize_ != 0) return;
  colour_ = colour;
  const std::string_view start = html_ ? kHtmlOpen : kOpenTag;
  std::memcpy(tag_, start.data(), start.size());
  writeColourHex(tag_ + start.size(), colour);
  const std::string_view end = html_ ? "\">" : "]";
  std::memcpy(tag_ + start.size() + 6, end.data(), end.size());
  tagSize_ = start.size() + 6 + end.size();
}

void CodeWriter::put(std::string_view bytes) {
  if (bytes.size() > buffer_.size()) {
    flush();
    sink_.write(bytes);
    return;
  }
  std::memcpy(room(bytes.size()), bytes.data(), bytes.size());
  used_ += bytes.size();
}

void CodeWriter::otherText(std::string_view bytes) {
  if (encoder_ && hasHighByte(bytes)) bytes = encoder_->encode(bytes);
  if (bytes.empty()) return;
  if (!html_) {
    if (bytes.size() <= 2) {  // the common case: one display character
      char* out = room(2);
      out[0] = bytes[0];
      if (bytes.size() == 2) out[1] = bytes[1];
      used_ += bytes.size();
      return;
    }
    put(bytes);
    return;
  }
  std::size_t from = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const std::string_view escape = htmlEscapeOf(bytes[i]);
    if (escape.empty()) continue;
    put(bytes.substr(from, i - from));
    put(escape);
    from = i + 1;
  }
  put(bytes.substr(from));
}

void CodeWriter::flush() {
  if (used_ == 0) return;
  sink_.write({buffer_.data(), used_});
  used_ = 0;
}

void CodeWriter::finish() {
  close();
  flush();
}

std::string styledCode(std::string_view text, const GradientStyle& style) {
  text = untilNul(text);
  std::uint32_t coloured = 0;
  cutDisplayChars(text, true, [&](std::string_view piece) {
    coloured += takesStep(style, piece, TextEncoding::Cp936);
  });
  StringSink sink;
  CodeWriter writer(style, TextEncoding::Cp936, coloured, sink);
  cutDisplayChars(text, true, [&](std::string_view piece) { writer.piece(piece); });
  writer.finish();
  return std::move(sink.text);
}

}  // namespace tessaly
