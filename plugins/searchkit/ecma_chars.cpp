// Character rules of our ECMAScript engine. Case folding covers all of UTF-16
// through one table filled by the system once, so it follows no locale.
#include <windows.h>

#include <array>
#include <memory>
#include <mutex>

#include "plugins/searchkit/ecma_program.h"

namespace searchkit::ecma {
namespace {

using CaseTable = std::array<wchar_t, 0x10000>;

std::unique_ptr<CaseTable> makeTable(bool upper) {
    auto table = std::make_unique<CaseTable>();
    for (size_t c = 0; c < table->size(); ++c) (*table)[c] = static_cast<wchar_t>(c);
    // Surrogate halves are left alone; the system would not map them anyway.
    constexpr DWORD kCount = 0xD800;
    if (upper)
        CharUpperBuffW(table->data(), kCount);
    else
        CharLowerBuffW(table->data(), kCount);
    return table;
}

const CaseTable& table(bool upper) {
    static std::once_flag once;
    static std::unique_ptr<CaseTable> lower, upperTable;
    std::call_once(once, [] {
        lower = makeTable(false);
        upperTable = makeTable(true);
    });
    return upper ? *upperTable : *lower;
}

}  // namespace

wchar_t foldCase(wchar_t c) { return table(false)[c]; }
const wchar_t* foldTable() { return table(false).data(); }
wchar_t upperCase(wchar_t c) { return table(true)[c]; }

bool isLineTerminator(wchar_t c) { return c == L'\n' || c == L'\r' || c == 0x2028 || c == 0x2029; }

bool isSpaceChar(wchar_t c) {
    return (c >= L'\t' && c <= L'\r') || c == L' ' || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) ||
           c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

bool isWordChar(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || isDigitChar(c) || c == L'_';
}

bool CharClass::containsExactly(wchar_t c) const {
    for (const auto& [low, high] : ranges) {
        if (c >= low && c <= high) return true;
    }
    return (digit && isDigitChar(c)) || (notDigit && !isDigitChar(c)) || (space && isSpaceChar(c)) ||
           (notSpace && !isSpaceChar(c)) || (word && isWordChar(c)) || (notWord && !isWordChar(c));
}

bool CharClass::contains(wchar_t c, bool ignoreCase) const {
    const bool hit = containsExactly(c) || (ignoreCase && (containsExactly(foldCase(c)) || containsExactly(upperCase(c))));
    return hit != negated;
}

}  // namespace searchkit::ecma
