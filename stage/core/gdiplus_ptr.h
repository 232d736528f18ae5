#pragma once
// Owning pointers for GDI+ flat-API objects: one alias per kind of object,
// each releasing with the function GDI+ names for it.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include "stage/core/unique_handle.h"

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
using GdipPtr = UniqueHandle<T*, Release>;

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
