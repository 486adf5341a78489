#include "common/BitmapIcon.h"

#include "runtime/ScopedWin.h"

namespace Common {

using Runtime::ScopedBitmap;
using Runtime::ScopedGetDC;
using Runtime::ScopedMemDC;
using Runtime::ScopedSelect;

namespace {

bool IsUsableBitmap(HBITMAP bitmap, BITMAP& info)
{
    if (!bitmap || GetObjectType(bitmap) != OBJ_BITMAP) return false;
    if (GetObjectW(bitmap, sizeof info, &info) != sizeof info) return false;
    return info.bmWidth > 0 && info.bmHeight > 0 && info.bmPlanes > 0 && info.bmBitsPixel > 0;
}

} // namespace

HICON BitmapToIcon(HBITMAP bitmap, COLORREF transparent, int width, int height, long hotX, long hotY, bool isCursor)
{
    BITMAP info{};
    if (!IsUsableBitmap(bitmap, info)) return nullptr;

    if (width <= 0) width = info.bmWidth;
    if (height <= 0) height = info.bmHeight;
    ICONINFO icon{};
    icon.fIcon = isCursor ? FALSE : TRUE;
    if (isCursor) {
        width = GetSystemMetrics(SM_CXCURSOR);
        height = GetSystemMetrics(SM_CYCURSOR);
        icon.xHotspot = static_cast<DWORD>(hotX < 0 ? width / 2 - 1 : hotX);
        icon.yHotspot = static_cast<DWORD>(hotY < 0 ? height / 2 - 1 : hotY);
    }

    ScopedGetDC screen(nullptr);
    ScopedMemDC sourceDC(screen.Get());
    ScopedMemDC colorDC(screen.Get());
    ScopedMemDC maskDC(screen.Get());
    ScopedMemDC imageDC(screen.Get());
    if (!sourceDC.Get() || !colorDC.Get() || !maskDC.Get() || !imageDC.Get()) return nullptr;

    ScopedBitmap mask(CreateBitmap(width, height, 1, 1, nullptr));
    ScopedBitmap image(CreateCompatibleBitmap(screen.Get(), width, height));
    if (!mask || !image) return nullptr;
    {
        ScopedSelect sourceSel(sourceDC.Get(), bitmap);
        if (transparent == kTopLeftPixel) transparent = GetPixel(sourceDC.Get(), 0, 0);

        // The colour copy, in the source bitmap's own format; COLORONCOLOR
        // keeps every pixel's colour exact when the bitmap is shrunk.
        ScopedBitmap color(CreateCompatibleBitmap(sourceDC.Get(), width, height));
        if (!color) return nullptr;
        ScopedSelect colorSel(colorDC.Get(), color.Get());
        SetStretchBltMode(colorDC.Get(), COLORONCOLOR);
        StretchBlt(colorDC.Get(), 0, 0, width, height, sourceDC.Get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);

        // Mask: pixels of the transparent colour become 1, all others 0.
        ScopedSelect maskSel(maskDC.Get(), mask.Get());
        SetBkColor(colorDC.Get(), transparent);
        BitBlt(maskDC.Get(), 0, 0, width, height, colorDC.Get(), 0, 0, SRCCOPY);

        // Image: the colour copy with every transparent pixel black.
        ScopedSelect imageSel(imageDC.Get(), image.Get());
        BitBlt(imageDC.Get(), 0, 0, width, height, colorDC.Get(), 0, 0, SRCCOPY);
        SetBkColor(imageDC.Get(), RGB(0, 0, 0));
        SetTextColor(imageDC.Get(), RGB(255, 255, 255));
        BitBlt(imageDC.Get(), 0, 0, width, height, maskDC.Get(), 0, 0, SRCAND);
    }
    // Every bitmap is out of its DC again; the icon gets copies of both.
    icon.hbmMask = mask.Get();
    icon.hbmColor = image.Get();
    return CreateIconIndirect(&icon);
}

} // namespace Common
