#pragma once
// Our own ECMAScript regular-expression engine: the fallback of RegexService
// where the system's component is missing. A backtracking machine whose
// backtrack stack lives on the heap, so the depth of a match (a lazy [\s\S]*?
// across megabytes) costs memory, never the thread's stack.
//
// Supported: literals and escapes (\t \n \v \f \r \0 \cX \xHH \uHHHH, identity
// escapes), ".", classes [...] [^...] with ranges and \d \D \s \S \w \W,
// groups ( ) (?: ), lookahead (?= ) (?! ), alternation, the quantifiers * + ?
// {n} {n,} {n,m} greedy and lazy, ^ $ \b \B and back-references. Anything else
// (lookbehind, named groups) is rejected like any malformed pattern.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace searchkit::ecma {

struct Flags {
    bool ignoreCase = false;
    bool multiLine = false;
    bool global = false;
};

// Per match: every capture group, from group 1 (empty when it took no part).
using MatchSet = std::vector<std::vector<std::wstring>>;

// All matches, left to right (the first only unless global); nullopt when
// the pattern is rejected or the subject needs more memory than there is.
std::optional<MatchSet> searchAll(std::wstring_view pattern, std::wstring_view subject, const Flags& flags);

}  // namespace searchkit::ecma
