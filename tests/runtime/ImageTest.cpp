// Image controls in real windows: the control's size follows its picture
// unless it stretches it, and it raises its mouse events.
#include "runtime/Form.h"
#include "runtime/Image.h"
#include "runtime/PictureBox.h"

#include <gtest/gtest.h>

#include <olectl.h>

#include <string>
#include <vector>

namespace {

using namespace Runtime;

class ImageForm : public Form {
public:
    ImageForm() : Form(L"fwImages") {}

    PictureBox pbHost{this, nullptr, L"pbHost"};
    Image ibPlain{this, &pbHost, L"ibPlain"};
    Image ibStretch{this, &pbHost, L"ibStretch"};

protected:
    void CreateControls() override
    {
        Move(80, 80, 300, 200);
        pbHost.Create(0, 0, 280, 150);
        pbHost.SetBorderStyle(0);
        pbHost.SetBackColor(0xFFFFFF);
        ibPlain.Create(10, 10, 50, 50);
        ibStretch.Create(100, 10, 64, 32);
        ibStretch.SetStretch(true);
    }
};

// A picture of w x h pixels: red, with a blue right half.
Picture HalfPicture(int w, int h)
{
    ScopedGetDC screen(nullptr);
    ScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), w, h));
    ScopedMemDC mem(screen.Get());
    {
        ScopedSelect select(mem.Get(), bitmap.Get());
        RECT left{0, 0, w / 2, h}, right{w / 2, 0, w, h};
        ScopedBrush red(CreateSolidBrush(0x0000FF)), blue(CreateSolidBrush(0xFF0000));
        FillRect(mem.Get(), &left, red.Get());
        FillRect(mem.Get(), &right, blue.Get());
    }
    return Picture::FromBitmap(bitmap.Release());
}

// What the window shows at a point; its form on top of other programs' windows.
COLORREF WindowPixel(HWND wnd, int x, int y)
{
    SetWindowPos(GetAncestor(wnd, GA_ROOT), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    ScopedGetDC dc(wnd);
    return GetPixel(dc.Get(), x, y);
}

TEST(Image, SizeFollowsThePictureUnlessStretched)
{
    ImageForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    Picture picture = HalfPicture(8, 4);
    form.ibPlain.SetPicture(picture);
    form.ibStretch.SetPicture(picture);
    EXPECT_EQ(form.ibPlain.Width(), 8);
    EXPECT_EQ(form.ibPlain.Height(), 4);
    EXPECT_EQ(form.ibStretch.Width(), 64);
    EXPECT_EQ(form.ibStretch.Height(), 32);
    EXPECT_TRUE(form.ibStretch.Picture() == picture);

    struct Case { const char* what; HWND wnd; int x, y; COLORREF color; };
    const Case cases[] = {
        {"plain left", form.ibPlain.hWnd(), 1, 1, 0x0000FF},
        {"plain right", form.ibPlain.hWnd(), 6, 3, 0xFF0000},
        {"stretched left", form.ibStretch.hWnd(), 30, 30, 0x0000FF},
        {"stretched right", form.ibStretch.hWnd(), 33, 1, 0xFF0000},
    };
    for (const Case& c : cases) EXPECT_EQ(WindowPixel(c.wnd, c.x, c.y), c.color) << c.what;

    // Without a picture the image shows its container's back colour.
    form.ibStretch.SetPicture(Picture());
    EXPECT_EQ(WindowPixel(form.ibStretch.hWnd(), 30, 30), static_cast<COLORREF>(0xFFFFFF));
    // Stretch off again: back to the picture's size.
    form.ibStretch.SetPicture(picture);
    form.ibStretch.SetStretch(false);
    EXPECT_EQ(form.ibStretch.Width(), 8);
}

TEST(Image, ShowsIconsAndRaisesMouseEvents)
{
    ImageForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    HICON icon = static_cast<HICON>(CopyImage(LoadIconW(nullptr, IDI_APPLICATION), IMAGE_ICON, 0, 0, 0));
    form.ibPlain.SetPicture(Picture::FromIcon(icon));
    EXPECT_EQ(form.ibPlain.Width(), GetSystemMetrics(SM_CXICON));

    std::vector<std::string> events;
    form.ibPlain.MouseDown = [&](const MouseArgs& a) { events.push_back("down " + std::to_string(a.Button)); };
    form.ibPlain.Click = [&] { events.push_back("click"); };
    SendMessageW(form.ibPlain.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(form.ibPlain.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    SendMessageW(form.ibPlain.hWnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
    SendMessageW(form.ibPlain.hWnd(), WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(events, (std::vector<std::string>{"down 1", "click", "down 2"}));
}

TEST(Image, ShowsAPictureObjectMadeFromAPictureBoxImage)
{
    // The way the program makes its glyph pictures: the box's image bitmap
    // taken out of hDC, turned into an icon, wrapped in a picture object.
    ImageForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    PictureBox& box = form.pbHost;
    box.SetAutoRedraw(true);
    box.Line(0, 0, 15, 15, 0x0000FF, PictureBox::LineBoxFilled);
    HDC dc = box.hDC();
    ScopedBitmap temp(CreateCompatibleBitmap(dc, box.ScaleWidth(), box.ScaleHeight()));
    HGDIOBJ image = SelectObject(dc, temp.Get());
    ScopedBitmap mask(CreateBitmap(box.ScaleWidth(), box.ScaleHeight(), 1, 1, nullptr));
    ICONINFO info{TRUE, 0, 0, mask.Get(), static_cast<HBITMAP>(image)};
    HICON icon = CreateIconIndirect(&info);
    SelectObject(dc, image);
    ASSERT_NE(icon, nullptr);

    PICTDESC desc{};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_ICON;
    desc.icon.hicon = icon;
    IPicture* object = nullptr;
    ASSERT_EQ(OleCreatePictureIndirect(&desc, IID_IPicture, TRUE, reinterpret_cast<void**>(&object)), S_OK);
    Picture picture = Picture::FromIPicture(object);
    object->Release(); // the picture holds its own reference
    ASSERT_EQ(picture.Type(), Picture::Icon);
    EXPECT_EQ(picture.IconHandle(), icon);
    EXPECT_EQ(picture.Width(), box.ScaleWidth());

    form.ibPlain.SetPicture(picture);
    EXPECT_EQ(WindowPixel(form.ibPlain.hWnd(), 5, 5), static_cast<COLORREF>(0x0000FF));

    // The last holder gone, the object goes and destroys its icon.
    form.ibPlain.SetPicture(Picture());
    picture = Picture();
    ICONINFO gone{};
    EXPECT_FALSE(GetIconInfo(icon, &gone));
}

} // namespace
