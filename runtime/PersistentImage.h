#pragma once
// The persistent image of a picture box: a memory device context with a
// bitmap the size of the box's client area. The context stays the same for
// the image's life (so its handle can be given out as the box's hDC); a
// new size swaps in a new bitmap that keeps the old pixels that still fit.
#include <windows.h>

namespace Runtime {

class PersistentImage {
public:
    PersistentImage() = default;
    ~PersistentImage() { Reset(); }
    PersistentImage(const PersistentImage&) = delete;
    PersistentImage& operator=(const PersistentImage&) = delete;

    // Makes the image, or gives it a new size; the area that is new is
    // filled with `fill`. False when GDI cannot make it.
    bool Resize(int width, int height, COLORREF fill);
    void Reset();

    bool Valid() const noexcept { return dc_ != nullptr; }
    HDC Dc() const noexcept { return dc_; }
    HBITMAP Bitmap() const noexcept { return bitmap_; }
    int Width() const noexcept { return width_; }
    int Height() const noexcept { return height_; }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ originalBitmap_ = nullptr;
    int width_ = 0, height_ = 0;
};

} // namespace Runtime
