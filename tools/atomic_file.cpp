#include "tools/atomic_file.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace tessaly {
namespace {

namespace fs = std::filesystem;

fs::path fromUtf8(std::string_view path) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(path.data()), path.size()));
}

// A name beside the target that no other writer picks.
fs::path temporaryBeside(const fs::path& target) {
  std::random_device random;
  const unsigned long long tag = (static_cast<unsigned long long>(random()) << 32) ^ random();
  fs::path temporary = target;
  temporary += ".tmp-" + std::to_string(tag);
  return temporary;
}

}  // namespace

std::string writeFileWhole(std::string_view pathText, std::string_view bytes) {
  const fs::path target = fromUtf8(pathText);
  if (target.filename().empty()) return "not a file name";
  std::error_code ec;
  if (fs::is_directory(target, ec)) return "it is a directory";
  const fs::path temporary = temporaryBeside(target);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return "can't create a file in that folder";
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      fs::remove(temporary, ec);
      return "writing failed";
    }
  }
  fs::rename(temporary, target, ec);
  if (ec) {
    fs::remove(temporary, ec);
    return "can't replace the file";
  }
  return {};
}

AtomicFileWriter::AtomicFileWriter(std::string_view pathText) : target_(fromUtf8(pathText)) {
  std::error_code ec;
  if (target_.filename().empty()) {
    error_ = "not a file name";
  } else if (fs::is_directory(target_, ec)) {
    error_ = "it is a directory";
  } else {
    temporary_ = temporaryBeside(target_);
    out_.open(temporary_, std::ios::binary | std::ios::trunc);
    if (!out_) error_ = "can't create a file in that folder";
  }
}

AtomicFileWriter::~AtomicFileWriter() {
  if (committed_ || temporary_.empty()) return;
  out_.close();
  std::error_code ec;
  fs::remove(temporary_, ec);
}

void AtomicFileWriter::write(std::string_view bytes) {
  out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string AtomicFileWriter::commit() {
  if (!error_.empty()) return error_;
  out_.close();
  if (!out_) return "writing failed";
  std::error_code ec;
  fs::rename(temporary_, target_, ec);
  if (ec) return "can't replace the file";
  committed_ = true;
  return {};
}

}  // namespace tessaly
