#pragma once
// The spine of the host: from the program entry to the end of the message loop.

namespace host {

// The exit code of a start-up that could not go on.
inline constexpr unsigned kStartRefusedExitCode = 3;

// Checks and reads the settings, builds the window and runs the message loop.
void hostMain();
// Ends the process at once: no message, no clean-up, nothing written.
[[noreturn]] void terminateNow();
// Dispatches messages for all windows of the thread until the quit message;
// returns its code.
int runMessageLoop();

}  // namespace host
