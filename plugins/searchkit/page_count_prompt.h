#pragma once
// PageCountPrompt: the small modal window in which the user says how many
// result pages a search shall collect. It is made anew for every question, so
// it always starts with "10", focused and selected, so typing replaces it.
#include <optional>
#include <string>

namespace searchkit {

// Shows the prompt on the calling thread, owned by no window, and waits until
// it closes. The text of the page-count box (code page 936) when the user
// accepts; nothing on cancel or the close box.
std::optional<std::string> askPageCount();

}  // namespace searchkit
