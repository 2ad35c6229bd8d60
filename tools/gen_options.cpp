#include "tools/gen_options.h"

#include <charconv>

#include "generator/presets.h"
#include "generator/stop_ramp.h"
#include "tools/colour_arg.h"

namespace tessaly {
namespace {

// Kept as UTF-8 whatever the execution character set.
constexpr char8_t kUsage[] =
    u8"usage: tessaly-gen [OPTION...] [-o FILE] [TEXT]\n"
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
    u8"Beyond the window's gradient:\n"
    u8"  --stops C1,C2,...  two or more colours, evenly spaced, or placed as C@P\n"
    u8"                 (P from 0 to 100); instead of --from and --to\n"
    u8"  --preset NAME  a named gradient (--preset list shows them)\n"
    u8"  --reach-end    the last character takes the last colour exactly\n"
    u8"  --hsv[=long]   blend through hue, the short way round (or the long way)\n"
    u8"  --skip-space   white space stays outside the tags and takes no step\n"
    u8"  --merge        neighbouring characters of one colour share a tag\n"
    u8"  --format bbcode|html  html: <span style=\"color:#RRGGBB\">, text escaped\n"
    u8"  --limit N[chars|bytes]  the code's length limit (default unit: chars)\n"
    u8"  --forum NAME   the limit of a forum's default setup: phpbb, discourse,\n"
    u8"                 vbulletin, smf, nodebb, discuz\n"
    u8"  --fit          over the limit, use the most colour steps that fit\n"
    u8"  --unicode      cut UTF-8 text into user-perceived characters (emoji,\n"
    u8"                 flags, combining marks stay whole); output UTF-8\n"
    u8"  --stats        characters, pieces, code bytes and code characters on\n"
    u8"                 standard error\n"
    u8"\n"
    u8"COLOUR is #RRGGBB or RRGGBB, a palette name (黑色, 红色, 天蓝, ...), or\n"
    u8"透明, the automatic colour, which counts as black.\n"
    u8"Exit codes: 0 done, 1 bad text or output failed, 2 bad option or colour,\n"
    u8"3 the code is longer than the limit.\n";

// Splits "--name=value" into name and value.
std::pair<std::string_view, std::optional<std::string_view>> splitOption(std::string_view arg) {
  const auto equals = arg.find('=');
  if (arg.starts_with("--") && equals != std::string_view::npos)
    return {arg.substr(0, equals), arg.substr(equals + 1)};
  return {arg, std::nullopt};
}

// A place "P" from 0 to 100 with up to two decimals, in hundredths of a percent.
std::optional<int> parsePlace(std::string_view text) {
  const auto dot = text.find('.');
  const std::string_view whole = text.substr(0, dot);
  const std::string_view fraction = dot == std::string_view::npos ? "" : text.substr(dot + 1);
  if (whole.empty() || whole.size() > 3 || fraction.size() > 2) return std::nullopt;
  if (dot != std::string_view::npos && fraction.empty()) return std::nullopt;
  int value = 0;
  for (const char c : whole) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  int hundredths = 0;
  for (std::size_t i = 0; i < 2; ++i) {
    const char c = i < fraction.size() ? fraction[i] : '0';
    if (c < '0' || c > '9') return std::nullopt;
    hundredths = hundredths * 10 + (c - '0');
  }
  const int place = value * 100 + hundredths;
  if (place > kRampEnd) return std::nullopt;
  return place;
}

}  // namespace

std::string_view genUsage() {
  return {reinterpret_cast<const char*>(kUsage), sizeof kUsage - 1};
}

std::optional<LengthLimit> parseLimit(std::string_view text) {
  LengthUnit unit = LengthUnit::Chars;
  if (text.ends_with("chars")) {
    text.remove_suffix(5);
  } else if (text.ends_with("bytes")) {
    text.remove_suffix(5);
    unit = LengthUnit::Bytes;
  }
  std::uint64_t limit = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), limit);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || limit == 0)
    return std::nullopt;
  return LengthLimit{limit, unit, {}};
}

std::optional<std::vector<ColourStop>> parseStops(std::string_view text, std::string& error) {
  std::vector<ColourStop> stops;
  for (std::size_t from = 0;;) {
    const std::size_t comma = text.find(',', from);
    const std::string_view item = text.substr(from, comma - from);
    const auto at = item.find('@');
    const std::string colourText(item.substr(0, at));
    const auto colour = parseColourArg(colourText);
    if (!colour) {
      error = "unknown colour '" + colourText + "' in --stops";
      return std::nullopt;
    }
    ColourStop stop{*colour};
    if (at != std::string_view::npos) {
      const auto place = parsePlace(item.substr(at + 1));
      if (!place) {
        error = "bad place '" + std::string(item.substr(at + 1)) +
                "' in --stops: give a number from 0 to 100, such as 25 or 33.33";
        return std::nullopt;
      }
      stop.position = *place;
    }
    stops.push_back(stop);
    if (comma == std::string_view::npos) break;
    from = comma + 1;
  }
  if (stops.size() < 2) {
    error = "--stops needs two or more colours, such as --stops red,#00FF00,blue";
    return std::nullopt;
  }
  std::string placeError;
  if (placeStops(stops, placeError).empty()) {
    error = "--stops: " + placeError;
    return std::nullopt;
  }
  return stops;
}

std::optional<std::string> parseGenOptions(const std::vector<std::string>& args,
                                           GenOptions& options) {
  std::optional<ColourRef> from, to;
  std::optional<std::vector<ColourStop>> stops;
  std::optional<std::string> preset, forum;
  bool limitGiven = false;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!optionsEnded && arg == "-") continue;  // standard input, as without TEXT
    if (optionsEnded || !arg.starts_with("-")) {
      if (options.text) return "more than one TEXT; quote a text that has spaces";
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
    const auto flag = [name = name,
                       inlineValue = inlineValue](bool& target) -> std::optional<std::string> {
      if (inlineValue) return std::string(name) + " takes no value";
      target = true;
      return std::nullopt;
    };
    std::optional<std::string> error;
    if (name == "--from" || name == "--to") {
      const auto text = value();
      if (!text) return std::string(name) + " needs a COLOUR";
      const auto colour = parseColourArg(*text);
      if (!colour) return "unknown colour '" + *text + "' for " + std::string(name);
      (name == "--from" ? from : to) = *colour;
    } else if (name == "-o" || name == "--output") {
      const auto path = value();
      if (!path || path->empty()) return "-o needs a FILE";
      options.outputPath = *path;
    } else if (name == "--stops") {
      const auto text = value();
      if (!text) return "--stops needs a list of colours";
      std::string stopError;
      stops = parseStops(*text, stopError);
      if (!stops) return stopError;
    } else if (name == "--preset") {
      const auto text = value();
      if (!text) return "--preset needs a NAME (--preset list shows them)";
      if (*text == "list") {
        options.listPresets = true;
      } else {
        if (!findPreset(*text)) return "unknown preset '" + *text + "' (--preset list shows them)";
        preset = *text;
      }
    } else if (name == "--hsv") {
      if (!inlineValue || *inlineValue == "short") {
        options.style.blend = Blend::HsvShort;
      } else if (*inlineValue == "long") {
        options.style.blend = Blend::HsvLong;
      } else {
        return "bad value '" + std::string(*inlineValue) + "' for --hsv: give short or long";
      }
    } else if (name == "--format") {
      const auto text = value();
      if (text == "bbcode") {
        options.style.format = CodeFormat::BBCode;
      } else if (text == "html") {
        options.style.format = CodeFormat::Html;
      } else {
        return "bad value '" + text.value_or("") + "' for --format: give bbcode or html";
      }
    } else if (name == "--limit") {
      const auto text = value();
      const auto limit = text ? parseLimit(*text) : std::nullopt;
      if (!limit)
        return "bad value '" + text.value_or("") +
               "' for --limit: give a number from 1, in chars (the default) or bytes, such as "
               "10000 or 65535bytes";
      options.limit = *limit;
      limitGiven = true;
    } else if (name == "--forum") {
      const auto text = value();
      const ForumLimit* known = text ? findForum(*text) : nullptr;
      if (!known) {
        std::string names;
        for (const ForumLimit& f : forumLimits())
          names += (names.empty() ? "" : ", ") + std::string(f.name);
        return "unknown forum '" + text.value_or("") + "' for --forum: give one of " + names;
      }
      forum = *text;
    } else if (name == "--reach-end") {
      error = flag(options.style.reachEnd);
    } else if (name == "--skip-space") {
      error = flag(options.style.skipSpace);
    } else if (name == "--merge") {
      error = flag(options.style.merge);
    } else if (name == "--fit") {
      error = flag(options.fit);
    } else if (name == "--unicode") {
      error = flag(options.unicode);
    } else if (name == "--stats") {
      error = flag(options.stats);
    } else if (arg == "--raw") {
      options.raw = true;
    } else if (arg == "-h" || arg == "--help") {
      options.help = true;
    } else {
      return "unknown option '" + arg + "'";
    }
    if (error) return error;
  }

  // Options that contradict each other.
  const auto both = [](std::string_view a, std::string_view b) {
    return std::string(a) + " and " + std::string(b) + " can't be used together";
  };
  if (stops && from) return both("--stops", "--from");
  if (stops && to) return both("--stops", "--to");
  if (preset && stops) return both("--preset", "--stops");
  if (preset && from) return both("--preset", "--from");
  if (preset && to) return both("--preset", "--to");
  if (forum && limitGiven) return both("--forum", "--limit");
  if (options.unicode && options.raw) return both("--unicode", "--raw");
  if (options.fit && !forum && !limitGiven) return std::string("--fit needs --limit or --forum");

  if (stops) {
    options.style.stops = *stops;
  } else if (preset) {
    options.style.stops = findPreset(*preset)->stops;
  } else {
    options.style.stops = {{from.value_or(rgb(0, 0, 0))}, {to.value_or(rgb(0xFF, 0xFF, 0xFF))}};
  }
  if (forum) {
    const ForumLimit* known = findForum(*forum);
    options.limit = LengthLimit{known->limit, known->unit, *forum};
  }
  return std::nullopt;
}

}  // namespace tessaly
