#include "tools/input_source.h"

#include <random>
#include <stdexcept>

namespace tessaly {

InputSource::InputSource(std::string text)
    : text_(std::make_unique<std::istringstream>(std::move(text))), in_(text_.get()) {
  start_ = in_->tellg();
}

InputSource::InputSource(std::istream& in) : in_(&in) {
  start_ = in.tellg();
  if (start_ != std::streampos(-1)) return;
  in.clear();
  // A pipe: copy it once to a temporary file, removed again at the end.
  std::random_device random;
  const unsigned long long tag = (static_cast<unsigned long long>(random()) << 32) ^ random();
  spoolPath_ = std::filesystem::temp_directory_path() / ("tessaly-gen-" + std::to_string(tag));
  spool_ = std::make_unique<std::fstream>(
      spoolPath_, std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc);
  if (!*spool_) throw std::runtime_error("can't make a temporary copy of standard input");
  std::string buffer(1 << 16, '\0');
  while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0)
    spool_->write(buffer.data(), in.gcount());
  if (in.bad() || !*spool_)
    throw std::runtime_error("can't make a temporary copy of standard input");
  in_ = spool_.get();
  start_ = 0;
  rewind();
}

InputSource::~InputSource() {
  if (!spool_) return;
  spool_.reset();
  std::error_code ignored;
  std::filesystem::remove(spoolPath_, ignored);
}

void InputSource::rewind() {
  in_->clear();
  in_->seekg(start_);
  if (!*in_) throw std::runtime_error("can't read the text a second time");
}

std::size_t InputSource::read(char* out, std::size_t size) {
  in_->read(out, static_cast<std::streamsize>(size));
  if (in_->bad()) throw std::runtime_error("reading the text failed");
  return static_cast<std::size_t>(in_->gcount());
}

}  // namespace tessaly
