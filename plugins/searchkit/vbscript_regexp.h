#pragma once
// The system's "VBScript.RegExp" component driven through IDispatch. The
// caller holds the COM apartment for the duration of each call.
#include <optional>
#include <string_view>

#include "plugins/searchkit/ecma_regex.h"

namespace searchkit::vbscript {

// Whether the component can be created (COM already initialised).
bool available();

enum class Outcome { matched, rejected, unavailable };

// All matches with their groups copied out of the component.
Outcome searchAll(std::wstring_view pattern, std::wstring_view subject, const ecma::Flags& flags,
                  ecma::MatchSet& matches);

}  // namespace searchkit::vbscript
