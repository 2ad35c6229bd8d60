#include "tools/gen_cli.h"

#include <istream>
#include <limits>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string_view>

#include "generator/code_writer.h"
#include "generator/fit_search.h"
#include "generator/forum_code.h"
#include "generator/forum_limits.h"
#include "generator/grapheme_cutter.h"
#include "generator/presets.h"
#include "tools/atomic_file.h"
#include "tools/gen_options.h"
#include "tools/input_source.h"
#include "tools/piece_reader.h"
#include "tools/text_encoding.h"
#include "tools/utf8_encoder.h"

namespace tessaly {
namespace {

int badInput(std::ostream& err, std::size_t offset, std::string_view what) {
  err << "tessaly-gen: byte " << offset << " of the text: " << what << '\n';
  return kExitBadInput;
}

int badInput(std::ostream& err, const TextError& error) {
  if (!error.message.empty()) {
    err << "tessaly-gen: " << error.message << '\n';
    return kExitBadInput;
  }
  return badInput(err, error.offset, error.what);
}

// What the counting pass finds.
struct TextCounts {
  std::uint64_t characters = 0;  // code points in grapheme mode, else display characters
  std::uint64_t pieces = 0;
  std::uint64_t coloured = 0;  // pieces that take a colour step
};

class StreamSink : public CodeSink {
 public:
  explicit StreamSink(std::ostream& out) : out_(out) {}
  void write(std::string_view bytes) override {
    out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

 private:
  std::ostream& out_;
};

class FileSink : public CodeSink {
 public:
  explicit FileSink(AtomicFileWriter& file) : file_(file) {}
  void write(std::string_view bytes) override { file_.write(bytes); }

 private:
  AtomicFileWriter& file_;
};

// Measures the code on its way to another sink (or to none).
class MeasuringSink : public CodeSink {
 public:
  MeasuringSink(TextEncoding encoding, CodeSink* next) : length(encoding), next_(next) {}
  void write(std::string_view bytes) override {
    length.add(bytes);
    if (next_) next_->write(bytes);
  }
  CodeLength length;

 private:
  CodeSink* next_;
};

std::uint64_t countCodePoints(std::string_view utf8) {
  std::uint64_t count = 0;
  for (const char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

class Generation {
 public:
  Generation(const GenOptions& options, InputSource& input, std::size_t chunkBytes)
      : options_(options),
        input_(input),
        chunkBytes_(chunkBytes),
        mode_(options.unicode ? InputMode::Graphemes
              : options.raw   ? InputMode::Raw
                              : InputMode::Utf8),
        pieceEncoding_(options.unicode ? TextEncoding::Utf8 : TextEncoding::Cp936),
        outputEncoding_(options.raw ? TextEncoding::Cp936 : TextEncoding::Utf8) {}

  // The first pass: counts, and finds any bad byte before anything is written.
  std::optional<TextError> count(TextCounts& counts) {
    bool unencodable = false;
    std::size_t badPiece = 0;
    const auto error = forEachPiece(input_, mode_, chunkBytes_, [&](std::string_view piece) {
      ++counts.pieces;
      counts.characters += options_.unicode ? countCodePoints(piece) : 1;
      counts.coloured += takesStep(options_.style, piece, pieceEncoding_);
      if (mode_ == InputMode::Utf8 && !unencodable && opensPair(piece[0]) &&
          encoder_.encode(piece).empty()) {
        unencodable = true;
        badPiece = counts.pieces;
      }
    });
    if (error) return error;
    // Code page 936 pairs a one-byte character of 0x80 or above (the euro
    // sign, 0x80) with the next byte, as the window does; where the pair is no
    // character, the piece has no UTF-8 form.
    if (unencodable)
      return TextError{badPiece, "",
                       "character " + std::to_string(badPiece) +
                           " of the text pairs with the next byte into no "
                           "character of code page 936 (as a euro sign followed by "
                           "a Chinese character does), so it can't be written as "
                           "UTF-8; --raw writes the bytes as they are"};
    return std::nullopt;
  }

  // One writing pass with `steps` colour steps, the code going to `sink`.
  void write(std::uint32_t coloured, std::optional<std::uint32_t> steps, CodeSink& sink) {
    GradientStyle style = options_.style;
    style.steps = steps;
    CodeWriter writer(style, pieceEncoding_, coloured, sink,
                      mode_ == InputMode::Utf8 ? &encoder_ : nullptr);
    forEachPiece(input_, mode_, chunkBytes_, [&](std::string_view piece) { writer.piece(piece); });
    writer.finish();
  }

  std::uint64_t measure(std::uint32_t coloured, std::optional<std::uint32_t> steps,
                        LengthUnit unit) {
    MeasuringSink sink(outputEncoding_, nullptr);
    write(coloured, steps, sink);
    return sink.length.in(unit);
  }

  TextEncoding outputEncoding() const { return outputEncoding_; }

 private:
  const GenOptions& options_;
  InputSource& input_;
  std::size_t chunkBytes_;
  InputMode mode_;
  TextEncoding pieceEncoding_, outputEncoding_;
  Utf8Encoder encoder_;
};

std::string limitName(const LengthLimit& limit) {
  std::string text = std::to_string(limit.limit) + " " + std::string(unitName(limit.unit));
  if (!limit.forum.empty()) text += " (" + limit.forum + "'s default)";
  return text;
}

void listPresets(std::ostream& out) {
  for (const GradientPreset& preset : gradientPresets()) {
    out << preset.name << ":";
    for (std::size_t i = 0; i < preset.stops.size(); ++i)
      out << (i ? "," : " ") << '#' << colourHex(preset.stops[i].colour);
    out << "  " << preset.description << '\n';
  }
}

}  // namespace

int runTessalyGen(const std::vector<std::string>& args, ToolStreams io) {
  GenOptions options;
  if (const auto error = parseGenOptions(args, options)) {
    io.err << "tessaly-gen: " << *error << "\n\n" << genUsage();
    return kExitUsage;
  }
  if (options.help) {
    io.out << genUsage();
    return kExitOk;
  }
  if (options.listPresets) {
    listPresets(io.out);
    return kExitOk;
  }
  if (options.unicode && !graphemeCuttingAvailable()) {
    io.err << "tessaly-gen: --unicode is not available in this build: it has no ICU to cut "
              "text into user-perceived characters; use the native build for it\n";
    return kExitUsage;
  }

  std::optional<InputSource> input;
  try {
    if (options.text && options.raw) {
      std::string error;
      std::string bytes = rawArgumentBytes(*options.text, error);
      if (!error.empty()) {
        io.err << "tessaly-gen: " << error << '\n';
        return kExitBadInput;
      }
      input.emplace(std::move(bytes));
    } else if (options.text) {
      input.emplace(*options.text);
    } else {
      input.emplace(io.in);
    }

    Generation generation(options, *input, io.chunkBytes);
    TextCounts counts;
    if (const auto error = generation.count(counts)) return badInput(io.err, *error);
    if (counts.coloured > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
      io.err << "tessaly-gen: the text has more than 2147483647 characters\n";
      return kExitBadInput;
    }
    const auto coloured = static_cast<std::uint32_t>(counts.coloured);

    std::optional<std::uint32_t> steps;
    if (options.limit) {
      const LengthLimit& limit = *options.limit;
      const std::uint64_t length = generation.measure(coloured, std::nullopt, limit.unit);
      if (length > limit.limit) {
        if (!options.fit) {
          io.err << "tessaly-gen: the code is " << length << " " << unitName(limit.unit) << ", "
                 << length - limit.limit << " over the limit of " << limitName(limit)
                 << "; --fit uses fewer colour steps\n";
          return kExitTooLong;
        }
        steps = mostStepsThatFit(coloured, [&](std::uint32_t s) {
          return generation.measure(coloured, s, limit.unit) <= limit.limit;
        });
        if (!steps) {
          const std::uint64_t least = generation.measure(coloured, 1, limit.unit);
          io.err << "tessaly-gen: even with a single colour step the code is " << least << " "
                 << unitName(limit.unit) << ", " << least - limit.limit << " over the limit of "
                 << limitName(limit) << '\n';
          return kExitTooLong;
        }
      }
    }

    StreamSink stream(io.out);
    std::optional<AtomicFileWriter> file;
    std::optional<FileSink> fileSink;
    CodeSink* target = &stream;
    if (options.outputPath && *options.outputPath != "-") {
      file.emplace(*options.outputPath);
      if (!file->error().empty()) {
        io.err << "tessaly-gen: can't write '" << *options.outputPath << "': " << file->error()
               << '\n';
        return kExitBadInput;
      }
      target = &fileSink.emplace(*file);
    }
    // The code is measured on its way out only where --stats asks for it.
    MeasuringSink measured(generation.outputEncoding(), target);
    generation.write(coloured, steps, options.stats ? measured : *target);

    if (file) {
      const std::string error = file->commit();
      if (!error.empty()) {
        io.err << "tessaly-gen: can't write '" << *options.outputPath << "': " << error << '\n';
        return kExitBadInput;
      }
    } else {
      io.out.flush();
      if (!io.out) {
        io.err << "tessaly-gen: writing the output failed\n";
        return kExitBadInput;
      }
    }
    if (options.stats) {
      io.err << "characters " << counts.characters << ", pieces " << counts.pieces
             << ", colour steps "
             << (steps ? *steps : std::max<std::uint32_t>(coloured, coloured ? 1 : 0))
             << ", code bytes " << measured.length.in(LengthUnit::Bytes) << ", code characters "
             << measured.length.in(LengthUnit::Chars) << '\n';
    }
    return kExitOk;
  } catch (const std::runtime_error& error) {
    io.err << "tessaly-gen: " << error.what() << '\n';
    return kExitBadInput;
  }
}

}  // namespace tessaly
