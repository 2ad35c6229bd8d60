#include "platform/platform.h"

namespace tessaly {
namespace {

Platform* current = nullptr;

}  // namespace

Platform& platform() {
  return current ? *current : win32Platform();
}

PlatformOverride::PlatformOverride(Platform& replacement) : previous_(current) {
  current = &replacement;
}

PlatformOverride::~PlatformOverride() {
  current = previous_;
}

}  // namespace tessaly
