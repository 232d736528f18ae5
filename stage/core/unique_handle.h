#pragma once
// UniqueHandle: sole owner of one handle or object pointer, released with the
// function named for it. The GDI and GDI+ wrappers are aliases of it.
#include <utility>

namespace stage {

template <class H, auto Release>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, H{})) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, H{}));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    H get() const { return handle_; }
    explicit operator bool() const { return handle_ != H{}; }
    // For the functions that create an object through an out pointer.
    H* out() {
        reset();
        return &handle_;
    }
    H release() { return std::exchange(handle_, H{}); }
    void reset(H handle = H{}) {
        if (handle_) Release(handle_);
        handle_ = handle;
    }

private:
    H handle_{};
};

}  // namespace stage
