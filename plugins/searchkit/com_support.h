#pragma once
// Small owners for COM: the apartment of one call, an interface pointer, and a
// VARIANT (which also owns the BSTR it may carry).
#include <windows.h>
#include <oaidl.h>
#include <objbase.h>

#include <string_view>
#include <utility>

namespace searchkit {

// COM initialised (single-threaded apartment) for the life of the object and
// uninitialised again when this object's call succeeded. A thread that already
// lives in a multi-threaded apartment keeps it, and COM stays usable.
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For functions that hand out a new reference.
    T** put() {
        reset();
        return &p_;
    }
    void reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }

private:
    T* p_ = nullptr;
};

class Variant {
public:
    Variant() { VariantInit(&v_); }
    explicit Variant(bool value) : Variant() {
        v_.vt = VT_BOOL;
        v_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    }
    explicit Variant(int value) : Variant() {
        v_.vt = VT_I4;
        v_.lVal = value;
    }
    explicit Variant(std::wstring_view text) : Variant() {
        v_.vt = VT_BSTR;
        v_.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    }
    ~Variant() { VariantClear(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;

    VARIANT* get() { return &v_; }
    const VARIANT& operator*() const { return v_; }

private:
    VARIANT v_;
};

}  // namespace searchkit
