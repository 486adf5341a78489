#include "runtime/ImageList.h"

#include "runtime/CommonControls.h"

namespace Runtime {

ImageList::ImageList(Form* form, Control* container, std::wstring name, int index)
    : Control(form, container, std::move(name), index)
{
}

void ImageList::SetImageWidth(int width)
{
    if (width < 1 || list_.Get()) Raise(ErrInvalidProperty);
    width_ = width;
    sizeSet_ = true;
}

void ImageList::SetImageHeight(int height)
{
    if (height < 1 || list_.Get()) Raise(ErrInvalidProperty);
    height_ = height;
    sizeSet_ = true;
}

void ImageList::Make(int width, int height)
{
    EnsureCommonControls();
    HIMAGELIST made = ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 4, 4);
    if (!made) throw Error(ErrInvalidCall, "Cannot create the image list");
    list_.Reset(made);
    width_ = width, height_ = height;
}

HIMAGELIST ImageList::Handle()
{
    if (!list_.Get()) Make(width_, height_);
    return list_.Get();
}

int ImageList::Images::Added(const std::wstring& key, int systemIndex)
{
    if (systemIndex < 0) throw Error(ErrInvalidCall, "Cannot add the picture to the image list");
    auto image = std::make_unique<ListImage>();
    image->key_ = key;
    return list_.Insert(0, std::move(image)).Index();
}

int ImageList::Images::Add(const std::wstring& key, HBITMAP picture)
{
    BITMAP info{};
    if (!picture || !GetObjectW(picture, sizeof info, &info)) Raise(ErrInvalidProperty);
    if (list_.Find(key)) RaiseCollectionError(ErrKeyNotUnique);
    if (!owner_.list_.Get()) owner_.Make(owner_.sizeSet_ ? owner_.width_ : info.bmWidth,
                                         owner_.sizeSet_ ? owner_.height_ : info.bmHeight);
    HIMAGELIST himl = owner_.list_.Get();
    COLORREF mask = ResolveColor(owner_.maskColor_);
    if (info.bmWidth == owner_.width_ && info.bmHeight == owner_.height_)
        return Added(key, ImageList_AddMasked(himl, picture, mask));

    // A picture of another size is stretched to the list's size (a wider
    // bitmap would otherwise be taken as several pictures).
    ScopedGetDC screen(nullptr);
    ScopedMemDC from(screen.Get()), to(screen.Get());
    ScopedBitmap sized(CreateCompatibleBitmap(screen.Get(), owner_.width_, owner_.height_));
    {
        ScopedSelect a(from.Get(), picture), b(to.Get(), sized.Get());
        SetStretchBltMode(to.Get(), COLORONCOLOR);
        StretchBlt(to.Get(), 0, 0, owner_.width_, owner_.height_, from.Get(), 0, 0, info.bmWidth, info.bmHeight,
                   SRCCOPY);
    }
    return Added(key, ImageList_AddMasked(himl, sized.Get(), mask));
}

int ImageList::Images::Add(const std::wstring& key, HICON picture)
{
    ICONINFO info{};
    if (!picture || !GetIconInfo(picture, &info)) Raise(ErrInvalidProperty);
    BITMAP bm{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    int iconHeight = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (list_.Find(key)) RaiseCollectionError(ErrKeyNotUnique);
    if (!owner_.list_.Get()) owner_.Make(owner_.sizeSet_ ? owner_.width_ : bm.bmWidth,
                                         owner_.sizeSet_ ? owner_.height_ : iconHeight);
    return Added(key, ImageList_AddIcon(owner_.list_.Get(), picture)); // drawn to the list's size
}

} // namespace Runtime
