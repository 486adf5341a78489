#pragma once
// A picture as controls hold it: a bitmap or an icon, shared by every
// control it is assigned to and released when the last holder lets go.
// A picture made from an IPicture keeps that object alive instead, since
// the object owns the handle.
#include <windows.h>
#include <ocidl.h>

#include <memory>

namespace Runtime {

class Picture {
public:
    enum Kind : int { None = 0, Bitmap = 1, Icon = 3 }; // the picture-object type numbers

    Picture() = default;

    // Takes over the handle: the picture deletes it. A null handle gives an empty picture.
    static Picture FromBitmap(HBITMAP bitmap);
    static Picture FromIcon(HICON icon);
    // A picture of its own: a copy of the bitmap (the caller keeps the original).
    static Picture CopyOfBitmap(HBITMAP bitmap);
    // Holds a reference to the picture object and shows its handle; an
    // object that is neither a bitmap nor an icon gives an empty picture.
    static Picture FromIPicture(IPicture* picture);

    Kind Type() const noexcept { return data_ ? data_->kind : None; }
    explicit operator bool() const noexcept { return data_ != nullptr; }
    // The handle; null when empty or of the other kind.
    HBITMAP BitmapHandle() const noexcept { return Type() == Bitmap ? static_cast<HBITMAP>(data_->handle) : nullptr; }
    HICON IconHandle() const noexcept { return Type() == Icon ? static_cast<HICON>(data_->handle) : nullptr; }
    // Size in pixels (0 when empty).
    int Width() const noexcept { return data_ ? data_->width : 0; }
    int Height() const noexcept { return data_ ? data_->height : 0; }

    // Draws the picture at x, y: at its own size, or stretched to width x
    // height when both are given (positive).
    void Draw(HDC dc, int x, int y, int width = 0, int height = 0) const;

    // The same picture object (not merely equal pixels).
    bool operator==(const Picture& other) const noexcept { return data_ == other.data_; }

private:
    struct Data {
        Kind kind = None;
        HANDLE handle = nullptr;
        int width = 0, height = 0;
        IPicture* object = nullptr; // when set, it owns the handle
        Data() = default;
        Data(const Data&) = delete;
        Data& operator=(const Data&) = delete;
        ~Data();
    };
    static Picture Make(Kind kind, HANDLE handle, IPicture* object);

    std::shared_ptr<const Data> data_;
};

} // namespace Runtime
