#pragma once
// Owning pointers for GDI+ flat-API objects: one template, one alias per kind
// of object, each releasing with the function GDI+ names for it.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <utility>

namespace stage {

namespace gp = Gdiplus::DllExports;
using Gdiplus::ARGB;
using Gdiplus::GpBitmap;
using Gdiplus::GpBrush;
using Gdiplus::GpFont;
using Gdiplus::GpFontFamily;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;
using Gdiplus::GpImageAttributes;
using Gdiplus::GpLineGradient;
using Gdiplus::GpPath;
using Gdiplus::GpPathGradient;
using Gdiplus::GpPen;
using Gdiplus::GpRegion;
using Gdiplus::GpSolidFill;
using Gdiplus::GpStatus;
using Gdiplus::GpStringFormat;

template <class T, auto Release>
class GdipPtr {
public:
    GdipPtr() = default;
    explicit GdipPtr(T* object) : object_(object) {}
    GdipPtr(GdipPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    GdipPtr& operator=(GdipPtr&& other) noexcept {
        if (this != &other) reset(std::exchange(other.object_, nullptr));
        return *this;
    }
    GdipPtr(const GdipPtr&) = delete;
    GdipPtr& operator=(const GdipPtr&) = delete;
    ~GdipPtr() { reset(); }

    T* get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // For the GDI+ functions that create an object through an out pointer.
    T** out() {
        reset();
        return &object_;
    }
    T* release() { return std::exchange(object_, nullptr); }
    void reset(T* object = nullptr) {
        if (object_) Release(object_);
        object_ = object;
    }

private:
    T* object_ = nullptr;
};

using GdipImage = GdipPtr<GpImage, &gp::GdipDisposeImage>;
using GdipBitmap = GdipPtr<GpBitmap, &gp::GdipDisposeImage>;
using GdipGraphics = GdipPtr<GpGraphics, &gp::GdipDeleteGraphics>;
using GdipSolidBrush = GdipPtr<GpSolidFill, &gp::GdipDeleteBrush>;
using GdipLineBrush = GdipPtr<GpLineGradient, &gp::GdipDeleteBrush>;
using GdipPathBrush = GdipPtr<GpPathGradient, &gp::GdipDeleteBrush>;
using GdipPen = GdipPtr<GpPen, &gp::GdipDeletePen>;
using GdipPath = GdipPtr<GpPath, &gp::GdipDeletePath>;
using GdipRegion = GdipPtr<GpRegion, &gp::GdipDeleteRegion>;
using GdipImageAttributes = GdipPtr<GpImageAttributes, &gp::GdipDisposeImageAttributes>;
using GdipFont = GdipPtr<GpFont, &gp::GdipDeleteFont>;
using GdipFontFamily = GdipPtr<GpFontFamily, &gp::GdipDeleteFontFamily>;
using GdipStringFormat = GdipPtr<GpStringFormat, &gp::GdipDeleteStringFormat>;

}  // namespace stage
