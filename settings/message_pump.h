#pragma once

namespace settings {

// Lets the calling (GUI) thread handle the window messages waiting for it, so a
// long settings scan never freezes the windows. A quit message is put back for
// the main loop to see.
void pumpPendingMessages();

}  // namespace settings
