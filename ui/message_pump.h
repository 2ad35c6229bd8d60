// The user-interface thread's message handling, shared by the main message
// loop and a generation's processing of pending messages.
#pragma once

namespace tessaly {

// Takes one message (GetMessageA), applies the window's keyboard rules (Esc
// closes the main window, Tab and Shift+Tab move the focus), then translates
// and dispatches it. False when the message taken was WM_QUIT.
bool pumpOneMessage();

// Handles every pending message but WM_QUIT, which stays in the queue for the
// main loop; returns when the queue is empty or WM_QUIT is next.
void processPendingMessages();

// Runs until WM_QUIT; returns its exit code.
int runMessageLoop();

}  // namespace tessaly
