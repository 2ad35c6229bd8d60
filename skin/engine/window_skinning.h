// Puts a skin on the calling thread's windows: those that exist now (the
// top-level windows and all their descendants) and those the thread creates
// later (a thread-local CBT hook). Windows are subclassed, never restyled,
// and no window is added: the window tree stays as the program made it.
#pragma once

#include "skin/format/skin_format.h"

namespace tessaly::skin {

// Makes `skin` the current skin and applies it; a second call replaces the
// skin. False where the hook for later windows couldn't be set.
bool applyToThread(const Skin& skin);

}  // namespace tessaly::skin
