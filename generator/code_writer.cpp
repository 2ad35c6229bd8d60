#include "generator/code_writer.h"

#include <algorithm>

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
      pieces_(colouredPieces),
      steps_(std::clamp<std::uint32_t>(style.steps.value_or(colouredPieces), 1,
                                       std::max<std::uint32_t>(colouredPieces, 1))),
      ramp_(style, steps_) {
  nextStepAt_ = firstPieceOf(1);
}

// The first coloured piece of `step`: piece j takes step floor(j * steps / pieces).
std::uint32_t CodeWriter::firstPieceOf(std::uint64_t step) const {
  return static_cast<std::uint32_t>((step * pieces_ + steps_ - 1) / steps_);
}

void CodeWriter::piece(std::string_view bytes) {
  if (!takesStep(style_, bytes, encoding_)) {
    close();
    text(bytes);
    return;
  }
  while (index_ == nextStepAt_ && step_ + 1 < steps_) nextStepAt_ = firstPieceOf(++step_ + 1);
  const ColourRef colour = ramp_.colourOf(step_);
  const bool shares = open_ && (openStep_ == step_ || (style_.merge && openColour_ == colour));
  if (!shares) {
    close();
    open(colour);
  }
  openStep_ = step_;
  text(bytes);
  ++index_;
}

void CodeWriter::open(ColourRef colour) {
  char hex[7];
  writeColourHex(hex, colour);
  hex[6] = style_.format == CodeFormat::Html ? '"' : ']';
  if (style_.format == CodeFormat::Html) {
    put(kHtmlOpen);
    put({hex, 7});
    put(">");
  } else {
    put(kOpenTag);
    put({hex, 7});
  }
  open_ = true;
  openColour_ = colour;
}

void CodeWriter::close() {
  if (!open_) return;
  put(style_.format == CodeFormat::Html ? kHtmlClose : kCloseTag);
  open_ = false;
}

void CodeWriter::text(std::string_view bytes) {
  if (encoder_ && hasHighByte(bytes)) bytes = encoder_->encode(bytes);
  if (style_.format != CodeFormat::Html) {
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
