#pragma once
// A library loaded by full path for the length of a test, and its exports
// bound by name as typed function pointers.
#include <windows.h>

#include <string>

namespace testing_support {

class LoadedLibrary {
public:
    explicit LoadedLibrary(const std::wstring& path)
        : module_(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)) {}
    ~LoadedLibrary() {
        if (module_) FreeLibrary(module_);
    }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    explicit operator bool() const { return module_ != nullptr; }

    // The export `name` as a Function pointer, or nullptr when there is none.
    template <class Function>
    Function get(const char* name) const {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_;
};

}  // namespace testing_support
