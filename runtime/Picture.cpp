#include "runtime/Picture.h"

#include <olectl.h>

#include "runtime/ScopedWin.h"

namespace Runtime {

namespace {

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP bm{};
    if (!bitmap || GetObjectW(bitmap, sizeof bm, &bm) != sizeof bm) return SIZE{0, 0};
    return SIZE{bm.bmWidth, bm.bmHeight};
}

SIZE IconSize(HICON icon)
{
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return SIZE{0, 0};
    ScopedBitmap mask(info.hbmMask), color(info.hbmColor);
    SIZE size = BitmapSize(color ? color.Get() : mask.Get());
    if (!color) size.cy /= 2; // a monochrome icon's mask holds the AND and the XOR halves
    return size;
}

} // namespace

Picture::Data::~Data()
{
    if (object) {
        object->Release();
        return;
    }
    if (kind == Bitmap) DeleteObject(handle);
    if (kind == Icon) DestroyIcon(static_cast<HICON>(handle));
}

Picture Picture::Make(Kind kind, HANDLE handle, IPicture* object)
{
    auto data = std::make_shared<Data>();
    data->kind = kind;
    data->handle = handle;
    data->object = object;
    SIZE size = kind == Bitmap ? BitmapSize(static_cast<HBITMAP>(handle)) : IconSize(static_cast<HICON>(handle));
    data->width = size.cx;
    data->height = size.cy;
    Picture p;
    p.data_ = std::move(data);
    return p;
}

Picture Picture::FromBitmap(HBITMAP bitmap)
{
    return bitmap ? Make(Bitmap, bitmap, nullptr) : Picture();
}

Picture Picture::FromIcon(HICON icon)
{
    return icon ? Make(Icon, icon, nullptr) : Picture();
}

Picture Picture::CopyOfBitmap(HBITMAP bitmap)
{
    if (!bitmap) return Picture();
    return FromBitmap(static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)));
}

Picture Picture::FromIPicture(IPicture* picture)
{
    if (!picture) return Picture();
    SHORT type = 0;
    OLE_HANDLE handle = 0;
    if (FAILED(picture->get_Type(&type)) || FAILED(picture->get_Handle(&handle)) || !handle) return Picture();
    if (type != PICTYPE_BITMAP && type != PICTYPE_ICON) return Picture();
    // GDI and USER handles are 32-bit values, widened with their sign.
    HANDLE h = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(static_cast<int>(handle)));
    picture->AddRef();
    return Make(type == PICTYPE_BITMAP ? Bitmap : Icon, h, picture);
}

void Picture::Draw(HDC dc, int x, int y, int width, int height) const
{
    if (!data_ || !dc) return;
    bool stretch = width > 0 && height > 0;
    if (!stretch) width = data_->width, height = data_->height;
    if (data_->kind == Icon) {
        DrawIconEx(dc, x, y, static_cast<HICON>(data_->handle), width, height, 0, nullptr, DI_NORMAL);
        return;
    }
    ScopedMemDC mem(dc);
    ScopedSelect select(mem.Get(), data_->handle);
    if (stretch && (width != data_->width || height != data_->height)) {
        int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, x, y, width, height, mem.Get(), 0, 0, data_->width, data_->height, SRCCOPY);
        SetStretchBltMode(dc, oldMode);
    } else {
        BitBlt(dc, x, y, width, height, mem.Get(), 0, 0, SRCCOPY);
    }
}

} // namespace Runtime
