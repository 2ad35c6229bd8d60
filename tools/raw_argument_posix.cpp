#include "tools/gen_cli.h"

namespace tessaly {

// The system passes the bytes unchanged.
std::string rawArgumentBytes(const std::string& arg, std::string& /*error*/) {
  return arg;
}

}  // namespace tessaly
