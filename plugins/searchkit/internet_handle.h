#pragma once
// Owns one WinINet handle (session, connection or request) and closes it.
#include <windows.h>
#include <wininet.h>

#include <utility>

namespace searchkit {

class InternetHandle {
public:
    explicit InternetHandle(HINTERNET handle = nullptr) : handle_(handle) {}
    ~InternetHandle() { reset(); }
    InternetHandle(InternetHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    InternetHandle& operator=(InternetHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }

    HINTERNET get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset() {
        if (handle_) InternetCloseHandle(std::exchange(handle_, nullptr));
    }

private:
    HINTERNET handle_;
};

}  // namespace searchkit
