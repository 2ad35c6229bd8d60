#include "ui/window_class.h"

#include <mutex>
#include <set>
#include <string>

namespace tessaly {

bool ensureWindowClass(const WindowClassSpec& spec) {
  static std::mutex guard;
  static std::set<std::string> registered;
  const std::lock_guard lock(guard);
  if (registered.contains(spec.name)) return true;

  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = spec.style;
  windowClass.lpfnWndProc = spec.procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, spec.cursor);
  windowClass.hbrBackground = spec.background;
  windowClass.lpszClassName = spec.name;
  if (!RegisterClassExA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  registered.insert(spec.name);
  return true;
}

}  // namespace tessaly
