#include "ui/link_opening.h"

#include "platform/platform.h"

namespace tessaly {
namespace {

constexpr std::string_view kQuotedPlaceholder = "\"%1\"";
constexpr std::string_view kPlaceholder = "%1";

// The address as one double-quoted argument. Backslashes right before the
// closing quote are doubled so that they don't escape it.
std::string quoted(std::string_view address) {
  std::string result = "\"";
  result += address;
  std::size_t trailing = 0;
  while (trailing < address.size() && address[address.size() - 1 - trailing] == '\\') ++trailing;
  result.append(trailing, '\\');
  result += '"';
  return result;
}

}  // namespace

std::optional<std::string> browserCommandLine(std::string_view registered,
                                              std::string_view address) {
  if (address.find('"') != std::string_view::npos) return std::nullopt;
  std::size_t cut = registered.find(kQuotedPlaceholder);
  if (cut == std::string_view::npos) cut = registered.find(kPlaceholder);
  const std::string_view command = registered.substr(0, cut);
  if (command.find_first_not_of(" \t\r\n") == std::string_view::npos) return std::nullopt;
  std::string line(command);
  line += ' ';
  line += quoted(address);
  return line;
}

bool openHyperlinkTarget(const std::string& target) {
  if (target.empty()) return false;
  Platform& system = platform();
  if (system.shellExecute(nullptr, "open", target.c_str(), SW_SHOW) > 32) return true;

  const std::optional<std::string> fileType = system.classesRootDefaultValue(".htm");
  if (!fileType || fileType->empty()) return false;
  const std::string commandKey = *fileType + "\\shell\\open\\command";
  const std::optional<std::string> command = system.classesRootDefaultValue(commandKey.c_str());
  if (!command) return false;
  const std::optional<std::string> line = browserCommandLine(*command, target);
  if (!line) return false;
  return system.winExec(line->c_str(), SW_SHOW) > 32;
}

COLORREF hyperlinkColourFor(bool pointerOver, bool opened) {
  if (pointerOver) return 0x000000FF;
  return opened ? 0x00008000 : 0x00FF0000;
}

}  // namespace tessaly
