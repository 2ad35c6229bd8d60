// Opening a hyperlink's target: the shell first, then the browser registered
// for web pages, run with WinExec. Every platform call goes through
// platform(), so tests steer both ways.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

// The command line that runs the registered browser command `registered` on
// `address`: the command cut off at its first "%1" in double quotes (or else
// its first %1), a space, and the address in double quotes. None where the
// cut command is empty or blank, or where the address holds a double quote
// (it could end the quoting and split the command).
std::optional<std::string> browserCommandLine(std::string_view registered,
                                              std::string_view address);

// Opens `target`; true on success. An empty target fails.
bool openHyperlinkTarget(const std::string& target);

// The caption colour of a label: red while the pointer is over it, else
// green once its target was opened, else blue.
COLORREF hyperlinkColourFor(bool pointerOver, bool opened);

}  // namespace tessaly
