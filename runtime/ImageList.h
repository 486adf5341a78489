#pragma once
// An image list: pictures of one size, each with an optional key, for list
// views to show. It has no window. The pictures are copied in; the caller
// keeps what it passed. The size is fixed once the system image list exists
// (the first picture added, or the first list view given this list); until
// then it follows the first picture, or ImageWidth/ImageHeight.
#include <windows.h>
#include <commctrl.h>

#include "runtime/Control.h"
#include "runtime/KeyedList.h"

namespace Runtime {

// A system image list that destroys itself.
class ScopedImageList {
public:
    explicit ScopedImageList(HIMAGELIST list = nullptr) noexcept : list_(list) {}
    ~ScopedImageList() { Reset(); }
    ScopedImageList(const ScopedImageList&) = delete;
    ScopedImageList& operator=(const ScopedImageList&) = delete;
    HIMAGELIST Get() const noexcept { return list_; }
    void Reset(HIMAGELIST list = nullptr) noexcept { if (list_) ImageList_Destroy(list_); list_ = list; }
private:
    HIMAGELIST list_;
};

class ImageList;

class ListImage {
public:
    int Index() const noexcept { return index_; }   // 1-based
    const std::wstring& Key() const noexcept { return key_; }
    std::wstring Tag;

private:
    friend class KeyedList<ListImage>;
    friend class ImageList;
    std::wstring key_;
    int index_ = 0;
};

class ImageList : public Control {
public:
    ImageList(Form* form, Control* container, std::wstring name, int index = -1);
    std::wstring TypeName() const override { return L"ImageList"; }

    int ImageWidth() const noexcept { return width_; }
    int ImageHeight() const noexcept { return height_; }
    // Pixels, 1 or more; fixed once the system list exists (error 380 after).
    void SetImageWidth(int width);
    void SetImageHeight(int height);

    // The colour of a bitmap that shows as transparent (default light grey).
    OleColor MaskColor() const noexcept { return maskColor_; }
    void SetMaskColor(OleColor color) { maskColor_ = color; }

    // The pictures, 1-based. Add returns the new picture's index; a key used
    // before raises error 35602, a null picture error 380.
    class Images {
    public:
        int Add(const std::wstring& key, HBITMAP picture);
        int Add(const std::wstring& key, HICON picture);
        int Count() const noexcept { return list_.Count(); }
        ListImage& operator()(int index) const { return list_.At(index); }
        ListImage& operator()(const std::wstring& key) const { return list_.ByKey(key); }
        ListImage* Find(const std::wstring& key) const noexcept { return list_.Find(key); }

    private:
        friend class ImageList;
        explicit Images(ImageList& owner) : owner_(owner) {}
        int Added(const std::wstring& key, int systemIndex);
        ImageList& owner_;
        KeyedList<ListImage> list_;
    };
    Images& ListImages() noexcept { return images_; }
    const Images& ListImages() const noexcept { return images_; }

    // The system image list, made on first use (hImageList).
    HIMAGELIST Handle();

private:
    void Make(int width, int height);

    int width_ = 16, height_ = 16;
    bool sizeSet_ = false;
    OleColor maskColor_ = 0x00C0C0C0u;
    ScopedImageList list_;
    Images images_{*this};
};

} // namespace Runtime
