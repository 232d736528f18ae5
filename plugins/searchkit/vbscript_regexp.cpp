// "VBScript.RegExp" through IDispatch: options as properties, Execute, then
// Count / Item / SubMatches read back, every capture group copied into our own strings
// before COM is left, so the match set outlives the component.
#include "plugins/searchkit/vbscript_regexp.h"

#include "plugins/searchkit/com_support.h"

namespace searchkit::vbscript {
namespace {

// Looks a member up by name on first use and keeps its id: every object the
// component returns for one role (a match, a group list) has the same layout.
class Member {
public:
    explicit Member(const wchar_t* name) : name_(name) {}

    HRESULT invoke(IDispatch* object, WORD kind, VARIANT* arguments, UINT count, VARIANT* result) {
        if (id_ == DISPID_UNKNOWN) {
            LPOLESTR name = const_cast<LPOLESTR>(name_);
            if (const HRESULT hr = object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id_); FAILED(hr))
                return hr;
        }
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS parameters{arguments, nullptr, count, 0};
        if (kind == DISPATCH_PROPERTYPUT) {
            parameters.rgdispidNamedArgs = &named;
            parameters.cNamedArgs = 1;
        }
        return object->Invoke(id_, IID_NULL, LOCALE_USER_DEFAULT, kind, &parameters, result, nullptr, nullptr);
    }

    HRESULT put(IDispatch* object, Variant value) { return invoke(object, DISPATCH_PROPERTYPUT, value.get(), 1, nullptr); }
    HRESULT get(IDispatch* object, Variant& result) { return invoke(object, DISPATCH_PROPERTYGET, nullptr, 0, result.get()); }
    HRESULT item(IDispatch* object, int index, Variant& result) {
        Variant argument(index);
        return invoke(object, DISPATCH_METHOD | DISPATCH_PROPERTYGET, argument.get(), 1, result.get());
    }

private:
    const wchar_t* name_;
    DISPID id_ = DISPID_UNKNOWN;
};

ComPtr<IDispatch> createEngine() {
    ComPtr<IDispatch> engine;
    CLSID id;
    if (SUCCEEDED(CLSIDFromProgID(L"VBScript.RegExp", &id)))
        CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(engine.put()));
    return engine;
}

// Takes the object out of a VARIANT that holds one.
ComPtr<IDispatch> objectOf(Variant& value) {
    ComPtr<IDispatch> object;
    if ((*value).vt == VT_DISPATCH && (*value).pdispVal) (*value).pdispVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(object.put()));
    return object;
}

std::wstring textOf(const Variant& value) {
    const VARIANT& v = *value;
    if (v.vt != VT_BSTR || !v.bstrVal) return {};
    return std::wstring(v.bstrVal, SysStringLen(v.bstrVal));
}

int countOf(IDispatch* collection, Member& count) {
    Variant value;
    if (FAILED(count.get(collection, value)) || FAILED(VariantChangeType(value.get(), value.get(), 0, VT_I4))) return 0;
    return (*value).lVal;
}

class Reader {
public:
    bool read(IDispatch* collection, ecma::MatchSet& matches) {
        const int total = countOf(collection, matchCount_);
        matches.reserve(total);
        for (int i = 0; i < total; ++i) {
            Variant match;
            if (FAILED(matchItem_.item(collection, i, match))) return false;
            ComPtr<IDispatch> object = objectOf(match);
            if (!object) return false;
            matches.push_back(groupsOf(object.get()));
        }
        return true;
    }

private:
    // Every match of one pattern has the same number of groups: it is asked once.
    std::vector<std::wstring> groupsOf(IDispatch* match) {
        std::vector<std::wstring> groups;
        Variant list;
        subMatches_.get(match, list);
        const ComPtr<IDispatch> submatches = objectOf(list);
        if (!submatches) return groups;
        if (groupTotal_ < 0) groupTotal_ = countOf(submatches.get(), groupCount_);
        for (int g = 0; g < groupTotal_; ++g) {
            Variant group;
            groupItem_.item(submatches.get(), g, group);
            groups.push_back(textOf(group));
        }
        return groups;
    }

    Member matchCount_{L"Count"}, matchItem_{L"Item"};
    Member subMatches_{L"SubMatches"};
    Member groupCount_{L"Count"}, groupItem_{L"Item"};
    int groupTotal_ = -1;
};

bool setOptions(IDispatch* engine, std::wstring_view pattern, const ecma::Flags& flags) {
    return SUCCEEDED(Member(L"IgnoreCase").put(engine, Variant(flags.ignoreCase))) &&
           SUCCEEDED(Member(L"Multiline").put(engine, Variant(flags.multiLine))) &&
           SUCCEEDED(Member(L"Global").put(engine, Variant(flags.global))) &&
           SUCCEEDED(Member(L"Pattern").put(engine, Variant(pattern)));
}

}  // namespace

bool available() { return static_cast<bool>(createEngine()); }

Outcome searchAll(std::wstring_view pattern, std::wstring_view subject, const ecma::Flags& flags,
                  ecma::MatchSet& matches) {
    const ComPtr<IDispatch> engine = createEngine();
    if (!engine) return Outcome::unavailable;
    // The component checks the pattern only when it runs it.
    Variant argument(subject), result;
    if (!setOptions(engine.get(), pattern, flags) ||
        FAILED(Member(L"Execute").invoke(engine.get(), DISPATCH_METHOD, argument.get(), 1, result.get())))
        return Outcome::rejected;
    const ComPtr<IDispatch> collection = objectOf(result);
    if (!collection || !Reader().read(collection.get(), matches)) {
        matches.clear();
        return Outcome::rejected;
    }
    return Outcome::matched;
}

}  // namespace searchkit::vbscript
