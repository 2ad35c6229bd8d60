// Conversions through iconv, where the C library has it (the native build).
#include <iconv.h>

#include <cerrno>

#include "tools/text_encoding.h"

namespace tessaly {
namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~Converter() {
    if (valid()) iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  Conversion run(std::string_view input, const char* badInput) {
    Conversion result;
    if (!valid()) {
      result.error = 0;
      result.what = "the system has no converter for code page 936";
      return result;
    }
    std::string& out = result.bytes;
    out.resize(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::size_t done = 0;
    while (inLeft > 0) {
      char* outPtr = out.data() + done;
      std::size_t outLeft = out.size() - done;
      const std::size_t rc = iconv(handle_, &in, &inLeft, &outPtr, &outLeft);
      done = out.size() - outLeft;
      if (rc != static_cast<std::size_t>(-1)) break;
      if (errno == E2BIG) {
        out.resize(out.size() * 2);
        continue;
      }
      result.error = static_cast<std::size_t>(in - input.data());
      result.what = badInput;
      result.bytes.clear();
      return result;
    }
    out.resize(done);
    return result;
  }

 private:
  iconv_t handle_;
};

}  // namespace

Conversion utf8ToCp936(std::string_view utf8) {
  if (const auto bad = findInvalidUtf8(utf8)) return {{}, bad, "not valid UTF-8"};
  return Converter("CP936", "UTF-8").run(utf8, "a character that code page 936 can't hold");
}

Conversion cp936ToUtf8(std::string_view cp936) {
  return Converter("UTF-8", "CP936").run(cp936, "not valid code page 936");
}

}  // namespace tessaly
