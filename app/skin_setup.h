// The skin set-up: installs the engine library where nothing of its name is
// yet, writes the chosen built-in skin to the temporary folder, and attaches
// it through the engine.
#pragma once

#include <optional>
#include <string>

namespace tessaly {

inline constexpr char kSkinFileName[] = "{df6546sd4fwer}.she";

// The skin path for a temporary folder as the platform reports it: one
// backslash added where missing; the bare file name where there is none.
std::string skinPathIn(const std::optional<std::string>& temporaryFolder);

// Skin number 0 means 25; 1 to 25 are written and attached; any other number
// writes and attaches nothing (the library is installed all the same).
void setUpSkin(int number);

}  // namespace tessaly
