#pragma once
// The steps both search routines share: starting a search from the window,
// the worker thread, the stamped status texts, the two questions to the user
// and the hand-over of the results. Texts are code page 936.
#include <string>
#include <string_view>

namespace searchkit {

class RegexService;
class SearchWindow;

// User-interface thread, on the search button or Enter: empties the list,
// refuses an empty keyword with a notice, otherwise starts the plug-in's
// search routine on a worker thread. The button is disabled before the worker
// starts, so a second Enter cannot slip in between.
void startSearch(SearchWindow& window);

// "[　" + the current time as yyyy/MM/dd HH:mm + "　]　" + text.
std::string stampedStatus(std::string_view text);

// The keyword box's text, untrimmed, as UTF-8 with every byte written as %XX.
std::string encodedKeyword(const SearchWindow& window);

// A question box with OK and Cancel, owned by no window; true for OK.
bool askToContinue(std::string_view question);

// Shows the page-count prompt and waits; an accepted text becomes the
// window's requestedPages, a cancel leaves it as it was.
void askForPageCount(SearchWindow& window);

// The worker's first step: the button disabled, the start status shown.
void beginSearch(SearchWindow& window, std::string_view status);
// The worker's last steps: matching the collected text, the row count for
// the list (only now, so the list never reads a match set being replaced),
// the button enabled again, requestedPages back to 0, the end status shown.
void finishSearch(SearchWindow& window, RegexService& matches, std::string_view pattern,
                  std::string_view collected, std::string_view status);

}  // namespace searchkit
