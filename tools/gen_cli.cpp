#include "tools/gen_cli.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string_view>

#include "generator/gradient.h"
#include "tools/atomic_file.h"
#include "tools/colour_arg.h"
#include "tools/text_encoding.h"

namespace tessaly {
namespace {

// Kept as UTF-8 whatever the execution character set.
constexpr char8_t kUsage[] =
    u8"usage: tessaly-gen [--from COLOUR] [--to COLOUR] [--raw] [-o FILE] [TEXT]\n"
    u8"\n"
    u8"Writes the forum code (BBCode) of TEXT, or of standard input when TEXT is\n"
    u8"absent: every character in a colour tag of its own, the colours stepping\n"
    u8"from the start colour towards the end colour.\n"
    u8"\n"
    u8"  --from COLOUR  start colour (default #000000)\n"
    u8"  --to COLOUR    end colour (default #FFFFFF)\n"
    u8"  --raw          input and output are code page 936 bytes, unchanged;\n"
    u8"                 without it both are UTF-8\n"
    u8"  -o FILE        write the code to FILE, whole or not at all\n"
    u8"  -h, --help     show this help\n"
    u8"\n"
    u8"COLOUR is #RRGGBB or RRGGBB, a palette name (黑色, 红色, 天蓝, ...), or\n"
    u8"透明, the automatic colour, which counts as black.\n"
    u8"Exit codes: 0 done, 1 bad text or output failed, 2 bad option or colour.\n";

std::string_view usage() { return {reinterpret_cast<const char*>(kUsage), sizeof kUsage - 1}; }

struct Options {
  std::uint32_t from = rgb(0, 0, 0);
  std::uint32_t to = rgb(0xFF, 0xFF, 0xFF);
  bool raw = false;
  bool help = false;
  std::optional<std::string> outputPath;
  std::optional<std::string> text;
};

struct UsageError {
  std::string message;
};

// Splits "--name=value" into name and value.
std::pair<std::string_view, std::optional<std::string_view>> splitOption(std::string_view arg) {
  const auto equals = arg.find('=');
  if (arg.starts_with("--") && equals != std::string_view::npos)
    return {arg.substr(0, equals), arg.substr(equals + 1)};
  return {arg, std::nullopt};
}

std::optional<UsageError> parse(const std::vector<std::string>& args, Options& options) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!optionsEnded && arg == "-") continue;  // standard input, as without TEXT
    if (optionsEnded || !arg.starts_with("-")) {
      if (options.text) return UsageError{"more than one TEXT; quote a text that has spaces"};
      options.text = arg;
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    const auto [name, inlineValue] = splitOption(arg);
    const auto value = [&, name = name, inlineValue = inlineValue]() -> std::optional<std::string> {
      if (inlineValue) return std::string(*inlineValue);
      if (i + 1 < args.size()) return args[++i];
      return std::nullopt;
    };
    if (name == "--from" || name == "--to") {
      const auto text = value();
      if (!text) return UsageError{std::string(name) + " needs a COLOUR"};
      const auto colour = parseColourArg(*text);
      if (!colour) return UsageError{"unknown colour '" + *text + "' for " + std::string(name)};
      (name == "--from" ? options.from : options.to) = *colour;
    } else if (name == "-o" || name == "--output") {
      const auto path = value();
      if (!path || path->empty()) return UsageError{"-o needs a FILE"};
      options.outputPath = *path;
    } else if (arg == "--raw") {
      options.raw = true;
    } else if (arg == "-h" || arg == "--help") {
      options.help = true;
    } else {
      return UsageError{"unknown option '" + arg + "'"};
    }
  }
  return std::nullopt;
}

std::string readAll(std::istream& in) {
  std::string bytes;
  char buffer[1 << 16];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
    bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
  return bytes;
}

int badInput(std::ostream& err, std::size_t offset, std::string_view what) {
  err << "tessaly-gen: byte " << offset << " of the text: " << what << '\n';
  return kExitBadInput;
}

}  // namespace

int runTessalyGen(const std::vector<std::string>& args, ToolStreams io) {
  Options options;
  if (const auto error = parse(args, options)) {
    io.err << "tessaly-gen: " << error->message << "\n\n" << usage();
    return kExitUsage;
  }
  if (options.help) {
    io.out << usage();
    return kExitOk;
  }

  // The text in code page 936.
  std::string input;
  if (options.text && options.raw) {
    std::string error;
    input = rawArgumentBytes(*options.text, error);
    if (!error.empty()) {
      io.err << "tessaly-gen: " << error << '\n';
      return kExitBadInput;
    }
  } else {
    input = options.text ? *options.text : readAll(io.in);
  }
  if (const auto nul = input.find('\0'); nul != std::string::npos)
    return badInput(io.err, nul, "a NUL byte");
  if (!options.raw) {
    Conversion converted = utf8ToCp936(input);
    if (converted.error) return badInput(io.err, *converted.error, converted.what);
    input = std::move(converted.bytes);
  }

  const GradientResult result = generateGradient(input, options.from, options.to);
  std::string utf8;
  std::string_view code = result.code.view();
  if (!options.raw) {
    Conversion converted = cp936ToUtf8(code);
    if (converted.error) return badInput(io.err, *converted.error, converted.what);
    utf8 = std::move(converted.bytes);
    code = utf8;
  }

  if (options.outputPath && *options.outputPath != "-") {
    const std::string error = writeFileWhole(*options.outputPath, code);
    if (!error.empty()) {
      io.err << "tessaly-gen: can't write '" << *options.outputPath << "': " << error << '\n';
      return kExitBadInput;
    }
    return kExitOk;
  }
  io.out.write(code.data(), static_cast<std::streamsize>(code.size()));
  io.out.flush();
  if (!io.out) {
    io.err << "tessaly-gen: writing the output failed\n";
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace tessaly
