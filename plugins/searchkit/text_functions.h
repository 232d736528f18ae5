#pragma once
// The text rules every search routine relies on. A text is a run of code page
// 936 (GBK) bytes: a byte of 0x80 or more starts a double-byte character
// together with the byte after it. Positions count bytes from 1 and a failed
// search gives -1. Searches step over whole characters, so a match never starts
// on the second byte of a character. Conversions name code page 936 outright,
// so the results never depend on the system locale.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace searchkit {

// A counted run of bytes that may hold zero bytes (a body off the wire, the
// output of ansiToUtf8). Turning it into a text keeps the bytes up to the first zero.
using ByteString = std::string;

// "#引号": lets a caller write a double quote inside a marker or a pattern.
inline constexpr std::string_view kQuotePlaceholder = "#\xd2\xfd\xba\xc5";
// "　": the double-byte space.
inline constexpr std::string_view kWideSpace = "\xa1\xa1";

// --- Searching and cutting -------------------------------------------------

// First occurrence of `needle` at or after `start` (below 1 counts as 1).
// Ignoring case folds ASCII letters only. An empty needle gives 1 when the
// searched range is not empty, -1 otherwise.
int findText(std::string_view text, std::string_view needle, int start = 1, bool ignoreCase = false);
// Last occurrence of `needle`, stepping as findText does.
int findTextReverse(std::string_view text, std::string_view needle);
bool containsText(std::string_view text, std::string_view needle, bool ignoreCase = false);

// The bytes between the start marker (searched from `start`) and the next end
// marker; empty when either is missing. "#引号" in a marker stands for a double
// quote. caseFlag 0: the start marker ignores letter case, the end marker does
// not; caseFlag 1: the other way round.
std::string textBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker,
                        int start = 1, int caseFlag = 0);
// The same with both markers matched exactly and no placeholder.
std::string textBetweenExact(std::string_view text, std::string_view startMarker, std::string_view endMarker);

// --- Reshaping ---------------------------------------------------------------

// Removes leading and trailing blanks and double-byte spaces; tabs and line breaks stay.
std::string trimSpaces(std::string_view text);
// Removes every blank and every double-byte space.
std::string removeAllSpaces(std::string_view text);
// Pieces between separators: an empty piece between two separators stays, an
// empty trailing piece is dropped, an empty text gives no pieces.
std::vector<std::string> splitText(std::string_view text, std::string_view separator);
// Replaces every occurrence, left to right.
std::string replaceText(std::string_view text, std::string_view find, std::string_view replacement,
                        bool matchCase = true);
// ASCII letters only; the second byte of a double-byte character is left alone.
std::string lowerCase(std::string_view text);

// --- Numbers -----------------------------------------------------------------

// Double-byte forms of ASCII characters (full-width digits, signs, spaces)
// count as their ASCII forms; then leading white space, an optional sign and
// the decimal digits up to the first non-digit. No digits give 0; values
// beyond 32 bits are clamped.
int textToInt(std::string_view text);
std::string numberToText(long long value);
// A real with an integral value has no fraction part: 11.0 gives "11".
std::string numberToText(double value);

// --- Character sets ----------------------------------------------------------

// Code page 936 <-> UTF-16, for handing texts to the W functions of Win32.
std::wstring textToUtf16(std::string_view text);
std::string utf16ToText(std::wstring_view text);

// UTF-8 of the text followed by one zero byte; an empty text gives no bytes.
ByteString ansiToUtf8(std::string_view text);
// UTF-8 bytes to a text; characters without a code page 936 form become its
// default character, and the text ends at the first zero byte.
std::string utf8ToText(std::string_view bytes);
// Code page 936 to UTF-8, without a terminating zero.
std::string gbkToUtf8(std::string_view text);
// Every byte as %XX (upper-case hex), except "-", ".", digits and ASCII letters
// when keepUnreserved is true. convertToUtf8First encodes gbkToUtf8(text) instead.
std::string urlEncode(std::string_view text, bool keepUnreserved = false, bool convertToUtf8First = false);

// --- Time stamps ---------------------------------------------------------------

inline constexpr std::string_view kDefaultDateTimePicture = "yyyy/MM/dd HH:mm:ss";

// yyyy, MM and dd are replaced first, then HH, mm and ss; everything else is
// copied. An empty picture means the default; the result is at most 49 bytes.
std::string formatDateTime(const SYSTEMTIME& moment, std::string_view picture = kDefaultDateTimePicture);
// The same for the current local time.
std::string formatDateTime(std::string_view picture = kDefaultDateTimePicture);

}  // namespace searchkit
