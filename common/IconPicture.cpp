#include "common/IconPicture.h"

#include <olectl.h>

#include "common/BitmapIcon.h"

namespace Common {

namespace {

// Puts `bitmap` into `dc` and takes the DC's own bitmap out; selects that
// one back when it goes.
class BitmapSwap {
public:
    BitmapSwap(HDC dc, HBITMAP bitmap) noexcept
        : dc_(dc), previous_(static_cast<HBITMAP>(SelectObject(dc, bitmap))) {}
    ~BitmapSwap() { if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_); }
    BitmapSwap(const BitmapSwap&) = delete;
    BitmapSwap& operator=(const BitmapSwap&) = delete;
    HBITMAP Previous() const noexcept { return previous_ == HGDI_ERROR ? nullptr : previous_; }

private:
    HDC dc_;
    HBITMAP previous_;
};

} // namespace

Runtime::ComPtr<IPicture> BitmapToPicture(HDC imageDC, int width, int height, COLORREF transparent)
{
    Runtime::ScopedIcon icon;
    {
        Runtime::ScopedBitmap stand(CreateCompatibleBitmap(imageDC, width, height));
        if (!stand) return {};
        BitmapSwap swap(imageDC, stand.Get());
        icon.Reset(BitmapToIcon(swap.Previous(), transparent));
    }
    if (!icon.Get()) return {};

    PICTDESC desc{};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_ICON;
    desc.icon.hicon = icon.Get();
    Runtime::ComPtr<IPicture> picture;
    if (FAILED(OleCreatePictureIndirect(&desc, IID_IPicture, TRUE, reinterpret_cast<void**>(picture.Put()))))
        return {};
    icon.Release();  // the picture owns it now
    return picture;
}

} // namespace Common

