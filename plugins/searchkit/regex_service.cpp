// RegexService: picks the engine, converts texts and keeps the match set
// (see regex_service.h).
#include "plugins/searchkit/regex_service.h"

#include <new>

#include "plugins/searchkit/com_support.h"
#include "plugins/searchkit/ecma_regex.h"
#include "plugins/searchkit/text_functions.h"
#include "plugins/searchkit/vbscript_regexp.h"

namespace searchkit {
namespace {

ecma::Flags flagsOf(const RegexOptions& options) {
    return {!options.caseSensitive, options.multiLine, options.global};
}

}  // namespace

bool RegexService::comEngineAvailable() {
    const ComApartment apartment;
    return vbscript::available();
}

// Memory running out on a huge subject is one more way for a search to fail:
// it must not leave the plug-in as an exception.
bool RegexService::runSearch(std::string_view pattern, std::string_view subject, const RegexOptions& options) {
    matches_.clear();
    used_ = RegexEngine::automatic;
    try {
        return search(pattern, subject, options);
    } catch (const std::bad_alloc&) {
        matches_.clear();
        used_ = RegexEngine::automatic;
        return false;
    }
}

bool RegexService::search(std::string_view pattern, std::string_view subject, const RegexOptions& options) {
    const ComApartment apartment;
    const std::wstring widePattern =
        textToUtf16(options.quotePlaceholder ? replaceText(pattern, kQuotePlaceholder, "\"") : std::string(pattern));
    const std::wstring wideSubject = textToUtf16(subject);
    const ecma::Flags flags = flagsOf(options);

    if (engine_ != RegexEngine::fallback) {
        const vbscript::Outcome outcome = vbscript::searchAll(widePattern, wideSubject, flags, matches_);
        if (outcome != vbscript::Outcome::unavailable) {
            if (outcome == vbscript::Outcome::matched) used_ = RegexEngine::com;
            return outcome == vbscript::Outcome::matched;
        }
        if (engine_ == RegexEngine::com) return false;
    }
    std::optional<ecma::MatchSet> found = ecma::searchAll(widePattern, wideSubject, flags);
    if (!found) return false;
    matches_ = std::move(*found);
    used_ = RegexEngine::fallback;
    return true;
}

std::string RegexService::groupText(int match, int group) const {
    if (match < 1 || match > matchCount()) return {};
    const Groups& groups = matches_[match - 1];
    if (group < 1 || group > static_cast<int>(groups.size())) return {};
    return utf16ToText(groups[group - 1]);
}

}  // namespace searchkit
