#pragma once
// RegexService: runs one pattern over a whole page text and keeps every match
// with its capture groups, so the result list can ask for any cell long after
// the search has ended.
//
// The engine is the system's "VBScript.RegExp" component, driven through
// IDispatch with COM initialised and uninitialised around each runSearch. Where
// that component is missing (it is an optional feature of current Windows), an
// ECMAScript engine of our own with the same option semantics takes over; it
// keeps its backtracking state on the heap, so a multi-megabyte subject cannot
// exhaust the thread's stack.
//
// The groups are copied out of the engine before runSearch returns, so reading
// them later on another thread needs no COM at all. runSearch and groupText
// must still not overlap: the callers empty the result list before a search and
// give it the new row count only after runSearch has returned.
#include <string>
#include <string_view>
#include <vector>

namespace searchkit {

struct RegexOptions {
    bool caseSensitive = false;     // false: letters match regardless of case
    bool multiLine = true;          // ^ and $ match at line starts and ends
    bool global = true;             // every non-overlapping match, not just the first
    bool quotePlaceholder = false;  // "#引号" in the pattern stands for a double quote
};

enum class RegexEngine {
    automatic,  // the COM component when it can be created, otherwise our own
    com,        // only the COM component; runSearch fails where it is missing
    fallback,   // only our own engine
};

class RegexService {
public:
    explicit RegexService(RegexEngine engine = RegexEngine::automatic) : engine_(engine) {}

    // Texts in code page 936. True when a match set was produced (also an
    // empty one); false when the pattern is rejected, leaving no matches.
    bool runSearch(std::string_view pattern, std::string_view subject, const RegexOptions& options = {});
    int matchCount() const { return static_cast<int>(matches_.size()); }
    // Group g of match m, both counted from 1. Empty when the group took part
    // in no match or either number is out of range.
    std::string groupText(int match, int group) const;

    // Which engine produced the current match set (automatic while none did).
    RegexEngine engineUsed() const { return used_; }
    // Whether the COM component can be created on this system.
    static bool comEngineAvailable();

    // One match: its capture groups from group 1 on, in UTF-16.
    using Groups = std::vector<std::wstring>;

private:
    bool search(std::string_view pattern, std::string_view subject, const RegexOptions& options);

    RegexEngine engine_;
    RegexEngine used_ = RegexEngine::automatic;
    std::vector<Groups> matches_;
};

}  // namespace searchkit
