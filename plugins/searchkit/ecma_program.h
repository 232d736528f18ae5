#pragma once
// The compiled form of a pattern for our ECMAScript engine: instructions of a
// backtracking machine. Jumps are relative to their own instruction, so a
// compiled piece can be copied (a repeat {n,m}) without patching anything.
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace searchkit::ecma {

enum class Op : unsigned char {
    character,    // a: the character (folded when ignoring case)
    anyButLineBreak,
    charClass,    // a: index into Program::classes
    split,        // try +a first, come back to +b
    jump,         // +a
    save,         // register a <- position (capture bounds and loop marks)
    checkProgress,  // fail when the position still equals register a (an empty loop turn)
    lineStart,
    lineEnd,
    wordBoundary,
    notWordBoundary,
    backReference,  // a: group number
    lookahead,      // body follows, ends with lookaheadEnd; a: body length; b: 1 when negative
    lookaheadEnd,
    match,
};

struct Inst {
    Op op;
    int a = 0;
    int b = 0;
};

struct CharClass {
    std::vector<std::pair<wchar_t, wchar_t>> ranges;
    bool digit = false, notDigit = false, space = false, notSpace = false, word = false, notWord = false;
    bool negated = false;

    bool contains(wchar_t c, bool ignoreCase) const;

private:
    bool containsExactly(wchar_t c) const;
};

struct Program {
    std::vector<Inst> code;
    std::vector<CharClass> classes;
    int groups = 0;     // capture groups, the whole match not counted
    int registers = 0;  // two per group and the whole match, then one per loop mark
    bool ignoreCase = false;
};

// Pattern to program; nullopt for a malformed or unsupported pattern.
std::optional<Program> compilePattern(std::wstring_view pattern, bool ignoreCase);

// Character rules shared by the compiler and the machine.
wchar_t foldCase(wchar_t c);
// The whole folding table, for loops that fold every character they read.
const wchar_t* foldTable();
wchar_t upperCase(wchar_t c);
bool isLineTerminator(wchar_t c);
bool isSpaceChar(wchar_t c);
bool isWordChar(wchar_t c);
inline bool isDigitChar(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace searchkit::ecma
