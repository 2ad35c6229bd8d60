#include "tools/gen_cli.h"
#include "tools/text_encoding.h"

namespace tessaly {

// Arguments arrive as UTF-16 and are passed on as UTF-8; raw means their code
// page 936 form.
std::string rawArgumentBytes(const std::string& arg, std::string& error) {
  Conversion converted = utf8ToCp936(arg);
  if (converted.error) {
    error = "TEXT, byte " + std::to_string(*converted.error) + ": " + converted.what;
    return {};
  }
  return std::move(converted.bytes);
}

}  // namespace tessaly
