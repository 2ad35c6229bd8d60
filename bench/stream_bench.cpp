// Measurements of tessaly-gen's streaming output, run by bench/stream_bench.sh.
//
//   stream_bench make-text FILE MIB       mixed UTF-8 text (Chinese, ASCII, CR LF)
//   stream_bench measure IN OUT CMD...    runs CMD with IN as standard input and
//                                         OUT as standard output; wall time and
//                                         the child's peak resident memory
//   stream_bench plain-write IN OUT       the floor: the same code as
//                                         tessaly-gen --raw writes (IN in code
//                                         page 936), made in
//                                         memory first, then written by a plain
//                                         buffered loop; only the loop is timed
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "generator/forum_code.h"
#include "generator/gradient.h"

namespace {

// <chrono> can't be compiled for code page 936 literals: the monotonic clock directly.
double now() {
  timespec time{};
  clock_gettime(CLOCK_MONOTONIC, &time);
  return time.tv_sec + time.tv_nsec / 1e9;
}

double secondsSince(double start) {
  return now() - start;
}

int makeText(const char* path, std::size_t mib) {
  // One line: 10 Chinese characters (3 bytes each in UTF-8), ASCII words, CR LF.
  const std::u8string lineUtf8 =
      u8"本工具是为了方便 is a tool for 论坛 [b]colour[/b] 彩色的字 x\r\n";
  const std::string line(lineUtf8.begin(), lineUtf8.end());
  std::FILE* out = std::fopen(path, "wb");
  if (!out) return 1;
  const std::size_t bytes = mib << 20;
  for (std::size_t written = 0; written + line.size() <= bytes; written += line.size())
    std::fwrite(line.data(), 1, line.size(), out);
  return std::fclose(out) == 0 ? 0 : 1;
}

int measure(const char* in, const char* out, char** command) {
  const double start = now();
  const pid_t child = fork();
  if (child == 0) {
    const int input = open(in, O_RDONLY);
    const int output = open(out, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (input < 0 || output < 0) _exit(127);
    dup2(input, 0);
    dup2(output, 1);
    execv(command[0], command);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const double seconds = secondsSince(start);
  std::printf("exit %d, %.2f s wall, %.2f s user, %.2f s system, peak resident %.1f MiB\n",
              WIFEXITED(status) ? WEXITSTATUS(status) : -1, seconds,
              usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6,
              usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6, usage.ru_maxrss / 1024.0);
  return 0;
}

// Writes `code` to `out` through a 64 KiB stdio buffer, in calls of `block` bytes.
double writeInBlocks(std::string_view code, const char* out, std::size_t block) {
  const double start = now();
  std::FILE* file = std::fopen(out, "wb");
  std::vector<char> buffer(1 << 16);
  std::setvbuf(file, buffer.data(), _IOFBF, buffer.size());
  for (std::size_t at = 0; at < code.size(); at += block)
    std::fwrite(code.data() + at, 1, std::min(block, code.size() - at), file);
  std::fclose(file);
  return secondsSince(start);
}

int plainWrite(const char* in, const char* out) {
  std::ifstream input(in, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(input), {}};
  const double made = now();
  const tessaly::GradientResult result =
      tessaly::generateGradient(text, tessaly::rgb(0, 0, 0), tessaly::rgb(255, 255, 255));
  const double generation = secondsSince(made);
  const std::string_view code = result.code.view();
  const double mib = code.size() / 1048576.0;

  // The floor: the finished code, in 4 KiB writes.
  const double floor = writeInBlocks(code, out, 4096);
  std::printf("floor (finished code, 4 KiB writes): %.1f MiB in %.2f s, %.0f MiB/s\n", mib, floor,
              mib / floor);

  // A plain per-character loop: each fragment's five parts through stdio, the
  // colours taken from the finished pieces.
  const double start = now();
  std::FILE* file = std::fopen(out, "wb");
  std::vector<char> buffer(1 << 16);
  std::setvbuf(file, buffer.data(), _IOFBF, buffer.size());
  for (const tessaly::GradientPiece& piece : result.pieces) {
    char hex[6];
    tessaly::writeColourHex(hex, piece.colour);
    std::fwrite("[color=#", 1, 8, file);
    std::fwrite(hex, 1, 6, file);
    std::fputc(']', file);
    std::fwrite(piece.text, 1, piece.size(), file);
    std::fwrite("[/color]", 1, 8, file);
  }
  std::fclose(file);
  const double loop = secondsSince(start);
  std::printf("plain per-character loop: %.1f MiB in %.2f s, %.0f MiB/s\n", mib, loop, mib / loop);
  std::printf("(in-memory generation of the same code: %.2f s)\n", generation);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "make-text") == 0)
    return makeText(argv[2], std::stoul(argv[3]));
  if (argc >= 5 && std::strcmp(argv[1], "measure") == 0) return measure(argv[2], argv[3], argv + 4);
  if (argc == 4 && std::strcmp(argv[1], "plain-write") == 0) return plainWrite(argv[2], argv[3]);
  std::fprintf(stderr, "usage: see the comment at the top of bench/stream_bench.cpp\n");
  return 2;
}
