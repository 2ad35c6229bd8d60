// tessaly-gen: the gradient generator as a command for scripts.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace tessaly {

// Exit codes.
inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 1;  // bad text, or the output couldn't be written
inline constexpr int kExitUsage = 2;     // unknown option or colour
inline constexpr int kExitTooLong = 3;   // the code is longer than the limit asked for

struct ToolStreams {
  std::istream& in;   // binary
  std::ostream& out;  // binary
  std::ostream& err;
  // The size of the blocks the text is read in: the tool's memory doesn't
  // grow with the text.
  std::size_t chunkBytes = std::size_t{1} << 20;
};

// Runs the tool on `args` (without the program name). Arguments are UTF-8
// where the tool reads them as text; TEXT with --raw is taken as the bytes
// rawArgumentBytes gives.
int runTessalyGen(const std::vector<std::string>& args, ToolStreams io);

// The code page 936 bytes of a TEXT argument given with --raw: the argument's
// bytes as the system passed them (on Windows, the command line converted to
// code page 936).
std::string rawArgumentBytes(const std::string& arg, std::string& error);

}  // namespace tessaly
