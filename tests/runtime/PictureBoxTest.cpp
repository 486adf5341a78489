// Picture boxes in real windows: drawing into the persistent image and
// what the window then shows, the DC handed out as hDC, text placement,
// resizing, pictures, the events and the box as a container of controls.
#include "runtime/Buttons.h"
#include "runtime/ErrorReport.h"
#include "runtime/Form.h"
#include "runtime/PictureBox.h"
#include "tests/runtime/WaitFor.h"
#include "tests/support/Screenshot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace Runtime;

constexpr OleColor White = 0xFFFFFF, Black = 0x000000, Red = 0x0000FF, Blue = 0xFF0000;

class BoxForm : public Form {
public:
    BoxForm() : Form(L"fwBox") {}

    PictureBox pbDraw{this, nullptr, L"pbDraw"};
    PictureBox pbPanel{this, nullptr, L"pbPanel"};
    CommandButton bbInside{this, &pbPanel, L"bbInside"};
    std::vector<std::string> events;

protected:
    void CreateControls() override
    {
        Move(50, 50, 420, 300);
        pbDraw.Create(8, 8, 160, 120);
        pbDraw.SetBorderStyle(0);
        pbDraw.SetAutoRedraw(true);
        pbDraw.SetBackColor(White);
        pbDraw.SetForeColor(Black);
        pbPanel.Create(180, 8, 200, 120);
        bbInside.Create(10, 10, 100, 26, L"Inside");
    }
};

// The colour the window itself shows at a point of the box. The form goes
// on top first: windows of other test programs must not cover the point.
COLORREF ScreenPixel(HWND wnd, int x, int y)
{
    SetWindowPos(GetAncestor(wnd, GA_ROOT), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    UpdateWindow(wnd);
    HDC dc = GetDC(wnd);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(wnd, dc);
    return c;
}

TEST(PictureBox, DrawingGoesIntoThePersistentImageAndTheWindowShowsIt)
{
    BoxForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    PictureBox& box = form.pbDraw;
    ASSERT_TRUE(box.AutoRedraw());
    ASSERT_EQ(box.ScaleWidth(), 160);
    ASSERT_EQ(box.ScaleHeight(), 120);
    EXPECT_EQ(GetObjectType(box.hDC()), static_cast<DWORD>(OBJ_MEMDC));

    box.Line(10, 10, 50, 10, Red);                                 // the end point is not drawn
    box.Line(60, 20, 80, 40, Blue, PictureBox::LineBox);           // both corners drawn
    box.Line(100, 20, 110, 30, Black, PictureBox::LineBoxFilled);
    box.PSet(150, 110, Red);
    box.PSet(151, 111);                                            // in the ForeColor

    struct Case { const char* what; int x, y; long color; };
    const Case cases[] = {
        {"line start", 10, 10, Red},   {"line middle", 30, 10, Red},   {"line end excluded", 50, 10, White},
        {"box top-left", 60, 20, Blue}, {"box bottom-right", 80, 40, Blue}, {"box inside empty", 70, 30, White},
        {"filled corner", 110, 30, Black}, {"filled inside", 105, 25, Black}, {"outside fill", 111, 31, White},
        {"pset", 150, 110, Red},       {"pset forecolor", 151, 111, Black},
        {"left of box", -1, 5, -1},    {"below box", 5, 120, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(box.Point(c.x, c.y), c.color) << c.what;
        if (c.color >= 0) EXPECT_EQ(ScreenPixel(box.hWnd(), c.x, c.y), static_cast<COLORREF>(c.color)) << c.what;
    }
    EXPECT_EQ(box.CurrentX(), 151);
    EXPECT_EQ(box.CurrentY(), 111);
    EXPECT_THROW(box.Line(0, 0, 1, 1, Black, 3), Error);

    // Covered and uncovered again, the window comes back from the image.
    RedrawWindow(box.hWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(ScreenPixel(box.hWnd(), 30, 10), static_cast<COLORREF>(Red));

    box.Cls();
    EXPECT_EQ(box.Point(30, 10), static_cast<long>(White));
    EXPECT_EQ(box.CurrentX(), 0);
    EXPECT_EQ(box.CurrentY(), 0);
}

TEST(PictureBox, PrintPlacesLinesAndMovesTheCurrentPosition)
{
    BoxForm form;
    ASSERT_TRUE(form.Load());
    PictureBox& box = form.pbDraw;
    int line = box.TextHeight(L"X");
    ASSERT_GT(line, 0);
    EXPECT_EQ(box.TextHeight(L"a\r\nb\nc"), 3 * line);
    EXPECT_EQ(box.TextWidth(L"ab\r\nabcd"), box.TextWidth(L"abcd"));
    EXPECT_GT(box.TextWidth(L"abcd"), box.TextWidth(L"ab"));

    box.SetCurrentX(5);
    box.SetCurrentY(7);
    box.Print(L"ab", false);
    EXPECT_EQ(box.CurrentX(), 5 + box.TextWidth(L"ab"));
    EXPECT_EQ(box.CurrentY(), 7);
    box.Print(L"cd");
    EXPECT_EQ(box.CurrentX(), 0);
    EXPECT_EQ(box.CurrentY(), 7 + line);
    box.Print(L"one\r\ntwo", false);
    EXPECT_EQ(box.CurrentX(), box.TextWidth(L"two"));
    EXPECT_EQ(box.CurrentY(), 7 + 2 * line);
    box.Print(L"");
    EXPECT_EQ(box.CurrentY(), 7 + 3 * line);

    // Text is drawn in the ForeColor on a transparent background.
    box.Cls();
    box.SetForeColor(Red);
    box.Print(L"\x2588\x2588\x2588"); // full blocks
    int reds = 0, others = 0;
    for (int x = 0; x < box.TextWidth(L"\x2588\x2588\x2588"); ++x) {
        for (int y = 0; y < line; ++y) {
            long c = box.Point(x, y);
            if (c == static_cast<long>(Red)) ++reds;
            else if (c != static_cast<long>(White)) ++others;
        }
    }
    EXPECT_GT(reds, 0);
    EXPECT_EQ(others, 0) << "only the ForeColor and the back colour";
}

TEST(PictureBox, HdcCarriesTheFontAndForeColorForDirectCalls)
{
    BoxForm form;
    ASSERT_TRUE(form.Load());
    PictureBox& box = form.pbDraw;
    FontSpec big = box.Font();
    big.Name = L"Tahoma";
    big.Size = 24;
    box.SetFont(big);
    HDC dc = box.hDC();
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), box.FontHandle());
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    EXPECT_EQ(tm.tmHeight, box.TextHeight(L"X"));
    EXPECT_GE(tm.tmHeight, 24);
    box.SetForeColor(Blue);
    EXPECT_EQ(GetTextColor(dc), static_cast<COLORREF>(Blue));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);

    // A caller may select its own bitmap for a moment to take the image out.
    HBITMAP image = box.ImageBitmap();
    ASSERT_NE(image, nullptr);
    ScopedBitmap temp(CreateCompatibleBitmap(dc, 4, 4));
    HGDIOBJ out = SelectObject(dc, temp.Get());
    EXPECT_EQ(out, image);
    SelectObject(dc, out);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), image);
}

TEST(PictureBox, ResizeKeepsTheImageAndAPictureMadeFromIt)
{
    BoxForm form;
    ASSERT_TRUE(form.Load());
    PictureBox& box = form.pbDraw;
    int resizes = 0;
    box.Resize = [&] { ++resizes; };

    box.PSet(5, 5, Red);
    box.SetWidth(200);
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(box.ScaleWidth(), 200);
    EXPECT_EQ(box.Point(5, 5), static_cast<long>(Red)) << "kept by a resize";
    EXPECT_EQ(box.Point(190, 5), static_cast<long>(White)) << "new area in the back colour";

    // Picture = Image: the drawing becomes the background and survives Cls.
    box.SetPicture(box.Image());
    ASSERT_EQ(box.Picture().Type(), Picture::Bitmap);
    EXPECT_EQ(box.Picture().Width(), 200);
    box.PSet(6, 6, Blue);
    box.Cls();
    EXPECT_EQ(box.Point(5, 5), static_cast<long>(Red));
    EXPECT_EQ(box.Point(6, 6), static_cast<long>(White));

    // Shrinking and growing again: the picture comes back where it reaches.
    box.Move(box.Left(), box.Top(), 3, 3);
    box.Move(box.Left(), box.Top(), 200, 120);
    EXPECT_EQ(box.Point(5, 5), static_cast<long>(Red));
    EXPECT_EQ(resizes, 3);

    // A new back colour clears the box to it, under the picture.
    box.SetPicture(Picture());
    box.SetBackColor(Blue);
    EXPECT_EQ(box.Point(5, 5), static_cast<long>(Blue));
}

TEST(PictureBox, PaintPictureStretchesAndIconsDraw)
{
    BoxForm form;
    ASSERT_TRUE(form.Load());
    PictureBox& box = form.pbDraw;

    // A 2 x 2 picture: red on the left column, blue on the right.
    ScopedGetDC screen(nullptr);
    ScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), 2, 2));
    {
        ScopedMemDC mem(screen.Get());
        ScopedSelect select(mem.Get(), bitmap.Get());
        for (int y = 0; y < 2; ++y) {
            SetPixelV(mem.Get(), 0, y, Red);
            SetPixelV(mem.Get(), 1, y, Blue);
        }
    }
    Picture pattern = Picture::FromBitmap(bitmap.Release());
    box.PaintPicture(pattern, 10, 10, 20, 20);
    EXPECT_EQ(box.Point(10, 10), static_cast<long>(Red));
    EXPECT_EQ(box.Point(19, 29), static_cast<long>(Red));
    EXPECT_EQ(box.Point(20, 10), static_cast<long>(Blue));
    EXPECT_EQ(box.Point(29, 29), static_cast<long>(Blue));
    EXPECT_EQ(box.Point(30, 30), static_cast<long>(White));
    box.PaintPicture(pattern, 50, 50);
    EXPECT_EQ(box.Point(51, 51), static_cast<long>(Blue));
    EXPECT_EQ(box.Point(52, 51), static_cast<long>(White));

    Picture icon = Picture::FromIcon(static_cast<HICON>(CopyImage(LoadIconW(nullptr, IDI_APPLICATION), IMAGE_ICON,
                                                                  0, 0, 0)));
    ASSERT_EQ(icon.Type(), Picture::Icon);
    EXPECT_GT(icon.Width(), 0);
    box.Cls();
    box.PaintPicture(icon, 0, 0);
    int drawn = 0;
    for (int y = 0; y < icon.Height(); ++y)
        for (int x = 0; x < icon.Width(); ++x) drawn += box.Point(x, y) != static_cast<long>(White);
    EXPECT_GT(drawn, 0);
}

TEST(PictureBox, WithoutAutoRedrawPaintIsRaisedAndDrawsOnTheWindow)
{
    BoxForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    PictureBox& box = form.pbDraw;
    box.SetAutoRedraw(false);
    EXPECT_EQ(box.ImageBitmap(), nullptr);
    EXPECT_EQ(GetObjectType(box.hDC()), static_cast<DWORD>(OBJ_DC));
    int paints = 0;
    box.Paint = [&] {
        ++paints;
        box.Line(0, 3, 40, 3, Red);
    };
    box.Refresh();
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(ScreenPixel(box.hWnd(), 20, 3), static_cast<COLORREF>(Red));
    EXPECT_EQ(box.hDC(), box.hDC()) << "the window's own DC, the same every time";

    // Turned on again, the image starts from the back colour.
    box.SetAutoRedraw(true);
    EXPECT_EQ(box.Point(20, 3), static_cast<long>(White));
    box.Refresh();
    EXPECT_EQ(paints, 1) << "no Paint while the box keeps its own image";
}

TEST(PictureBox, MouseAndKeyEventsInOrderAndFocusOnClick)
{
    BoxForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    PictureBox& box = form.pbDraw;
    std::vector<std::string> events;
    box.MouseDown = [&](const MouseArgs& a) { events.push_back("down " + std::to_string(a.X) + "," + std::to_string(a.Y)); };
    box.MouseUp = [&](const MouseArgs&) { events.push_back("up"); };
    box.Click = [&] { events.push_back("click"); };
    box.DblClick = [&] { events.push_back("dblclick"); };
    box.GotFocus = [&] { events.push_back("gotfocus"); };
    box.KeyDown = [&](int& key, int) { events.push_back("key " + std::to_string(key)); };

    form.bbInside.SetFocus();
    HWND w = box.hWnd();
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 34));
    SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(12, 34));
    SendMessageW(w, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(12, 34));
    SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(12, 34));
    // A release outside the box is no click.
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(500, 1));
    SendMessageW(w, WM_KEYDOWN, VK_DOWN, 0);
    const std::vector<std::string> expected = {"gotfocus", "down 12,34", "up", "click", "dblclick", "up",
                                               "down 1,1", "up", "key 40"};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(SendMessageW(w, WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS, DLGC_WANTARROWS);
}

TEST(PictureBox, HoldsControlsAndKeepsItsFrameAndTabSettings)
{
    BoxForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    PictureBox& panel = form.pbPanel;
    EXPECT_EQ(GetParent(form.bbInside.hWnd()), panel.ClientWindow());
    int clicks = 0;
    form.bbInside.Click = [&] { ++clicks; };
    SendMessageW(form.bbInside.hWnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1) << "the button's notification reaches it through the box";

    struct Case { int border, appearance, clientWidth; };
    const Case cases[] = {{0, 1, 200}, {1, 0, 198}, {1, 1, 200 - 2 * GetSystemMetrics(SM_CXEDGE)}};
    for (const Case& c : cases) {
        panel.SetBorderStyle(c.border);
        panel.SetAppearance(c.appearance);
        EXPECT_EQ(panel.ScaleWidth(), c.clientWidth) << "border " << c.border << " appearance " << c.appearance;
    }
    EXPECT_THROW(panel.SetBorderStyle(2), Error);
    EXPECT_THROW(panel.SetAppearance(-1), Error);

    EXPECT_TRUE(GetWindowLongPtrW(panel.hWnd(), GWL_STYLE) & WS_TABSTOP);
    panel.SetTabStop(false);
    EXPECT_FALSE(GetWindowLongPtrW(panel.hWnd(), GWL_STYLE) & WS_TABSTOP);
    TestSupport::SaveWindowScreenshot(form.hWnd(), "runtime-picturebox");

    // Unloading takes the windows and the image; the objects stay usable.
    form.Unload();
    EXPECT_EQ(form.pbDraw.hDC(), nullptr);
    EXPECT_EQ(form.pbDraw.Point(1, 1), -1);
    form.pbDraw.Print(L"no window");
    form.pbDraw.Cls();
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

} // namespace
