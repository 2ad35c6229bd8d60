#include "ui/clipboard_text.h"

#include <cstring>
#include <memory>
#include <type_traits>

#include "platform/platform.h"

namespace tessaly {
namespace {

// Global memory until the clipboard takes it.
struct GlobalFreer {
  void operator()(HGLOBAL memory) const { platform().globalFree(memory); }
};
using GlobalMemory = std::unique_ptr<std::remove_pointer_t<HGLOBAL>, GlobalFreer>;

}  // namespace

bool putTextOnClipboard(std::string_view text) {
  GlobalMemory memory(platform().globalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1));
  if (!memory) return false;
  {
    void* bytes = GlobalLock(memory.get());
    if (!bytes) return false;
    std::memcpy(bytes, text.data(), text.size());
    static_cast<char*>(bytes)[text.size()] = '\0';
    GlobalUnlock(memory.get());
  }

  if (!platform().openClipboard(nullptr)) return false;
  platform().emptyClipboard();
  const bool taken = platform().setClipboardData(CF_TEXT, memory.get());
  if (taken) memory.release();  // the clipboard owns it now
  platform().closeClipboard();
  return taken;
}

}  // namespace tessaly
