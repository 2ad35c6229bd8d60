// The main window's created handler: the start-up sequence, run before the
// window is first shown.
#pragma once

namespace tessaly {

inline constexpr int kProgramSkinNumber = 13;

// Skin set-up with skin 13, the support prompt, then the two program-wide
// colours taken from the pickers as they show them now.
void onMainWindowCreated();

}  // namespace tessaly
