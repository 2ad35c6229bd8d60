// tessaly-gen's options, as parsed from its arguments.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generator/forum_limits.h"
#include "generator/gradient_style.h"

namespace tessaly {

struct LengthLimit {
  std::uint64_t limit;
  LengthUnit unit;
  std::string forum;  // the forum's name, where --forum gave the limit
};

struct GenOptions {
  GradientStyle style;  // stops from --from/--to, --stops or --preset
  bool raw = false;
  bool unicode = false;
  bool help = false;
  bool listPresets = false;
  bool fit = false;
  bool stats = false;
  std::optional<LengthLimit> limit;
  std::optional<std::string> outputPath;
  std::optional<std::string> text;
};

// The usage text, in UTF-8.
std::string_view genUsage();

// Fills `options` from `args`; the error message where an argument is wrong.
std::optional<std::string> parseGenOptions(const std::vector<std::string>& args,
                                           GenOptions& options);

// "N", "Nchars" or "Nbytes" with N from 1; none where it is none of these.
std::optional<LengthLimit> parseLimit(std::string_view text);

// "C1,C2,..." where each C is a colour, optionally followed by "@P" with P a
// place from 0 to 100 (up to two decimals). `error` says what was wrong.
std::optional<std::vector<ColourStop>> parseStops(std::string_view text, std::string& error);

}  // namespace tessaly
