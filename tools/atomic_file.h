// Writing an output file whole or not at all.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace tessaly {

// Writes `bytes` to a temporary file beside `path` (UTF-8) and renames it over
// `path`. On failure `path` is as it was, the temporary file is gone, and the
// result says what went wrong; on success it is empty.
std::string writeFileWhole(std::string_view path, std::string_view bytes);

// The same for a file written in parts: the parts go to a temporary file
// beside `path`, which commit() renames over it. Without a successful
// commit() the temporary file is removed again and `path` is as it was.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(std::string_view path);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // Empty when the temporary file is open; else what went wrong.
  const std::string& error() const { return error_; }
  void write(std::string_view bytes);
  // Empty on success; else what went wrong.
  std::string commit();

 private:
  std::filesystem::path target_, temporary_;
  std::ofstream out_;
  std::string error_;
  bool committed_ = false;
};

}  // namespace tessaly
