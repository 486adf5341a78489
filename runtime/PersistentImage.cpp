#include "runtime/PersistentImage.h"

#include "runtime/ScopedWin.h"

namespace Runtime {

bool PersistentImage::Resize(int width, int height, COLORREF fill)
{
    // A bitmap cannot be empty: an image of no size is one pixel.
    int w = width > 0 ? width : 1, h = height > 0 ? height : 1;
    if (dc_ && w == width_ && h == height_) return true;
    ScopedGetDC screen(nullptr);
    ScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), w, h));
    if (!bitmap) return false;
    {
        ScopedMemDC mem(screen.Get());
        ScopedSelect select(mem.Get(), bitmap.Get());
        RECT all{0, 0, w, h};
        ScopedBrush brush(CreateSolidBrush(fill));
        FillRect(mem.Get(), &all, brush.Get());
        if (dc_) BitBlt(mem.Get(), 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
    }
    if (!dc_) {
        dc_ = CreateCompatibleDC(screen.Get());
        if (!dc_) return false;
        originalBitmap_ = SelectObject(dc_, bitmap.Get());
    } else {
        SelectObject(dc_, bitmap.Get());
        DeleteObject(bitmap_);
    }
    bitmap_ = bitmap.Release();
    width_ = w, height_ = h;
    return true;
}

void PersistentImage::Reset()
{
    if (!dc_) return;
    SelectObject(dc_, originalBitmap_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
    dc_ = nullptr, bitmap_ = nullptr, originalBitmap_ = nullptr;
    width_ = height_ = 0;
}

} // namespace Runtime
