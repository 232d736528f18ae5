#pragma once
// Text for the console programs in tools/: code page 936 conversions and
// output that shows Chinese text right on a console or in a pipe (UTF-8).
#include <string>
#include <string_view>

namespace tools {

std::string toCodePage936(std::wstring_view text);
std::wstring fromCodePage936(std::string_view text);

void printLine(std::wstring_view text);   // standard output, with a line break
void printError(std::wstring_view text);  // standard error, as it is

}  // namespace tools
