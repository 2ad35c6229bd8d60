// Entry of tessaly-gen: the arguments as UTF-8, binary standard streams.
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "tools/gen_cli.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#include <fcntl.h>
#include <io.h>

#include <memory>

namespace {

// The command line as UTF-8, from its UTF-16 form (argv would be code page 936).
std::vector<std::string> utf8Arguments() {
  int count = 0;
  const std::unique_ptr<LPWSTR, decltype(&LocalFree)> argv(
      CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
  std::vector<std::string> args;
  for (int i = 1; argv && i < count; ++i) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, argv.get()[i], -1, nullptr, 0, nullptr, nullptr);
    std::string arg(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    if (size > 1)
      WideCharToMultiByte(CP_UTF8, 0, argv.get()[i], -1, arg.data(), size, nullptr, nullptr);
    args.push_back(std::move(arg));
  }
  return args;
}

}  // namespace
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  (void)argc;
  (void)argv;
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  const std::vector<std::string> args = utf8Arguments();
#else
  const std::vector<std::string> args(argv + 1, argv + argc);
#endif
  std::ios::sync_with_stdio(false);
  try {
    return tessaly::runTessalyGen(args, {std::cin, std::cout, std::cerr});
  } catch (const std::bad_alloc&) {
    std::cerr << "tessaly-gen: out of memory\n";
    return tessaly::kExitBadInput;
  }
}
