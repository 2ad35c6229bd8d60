// The tool's text, readable more than once (count first, then write) without
// holding it in memory: a TEXT argument, standard input where it can seek,
// or else standard input copied once to a temporary file.
#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <istream>
#include <memory>
#include <sstream>
#include <string>

namespace tessaly {

class InputSource {
 public:
  explicit InputSource(std::string text);
  // Throws std::runtime_error where the temporary copy can't be made.
  explicit InputSource(std::istream& in);
  ~InputSource();
  InputSource(const InputSource&) = delete;
  InputSource& operator=(const InputSource&) = delete;

  // Back to the first byte.
  void rewind();
  // Up to `size` bytes; 0 at the end. Throws std::runtime_error when reading fails.
  std::size_t read(char* out, std::size_t size);

 private:
  std::unique_ptr<std::istringstream> text_;
  std::unique_ptr<std::fstream> spool_;
  std::filesystem::path spoolPath_;
  std::istream* in_ = nullptr;
  std::streampos start_{};
};

}  // namespace tessaly
