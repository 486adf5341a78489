// The table's header buttons: drawn by their strips with their captions, and
// a press on a strip reaches the header under it (a right press offers the
// table's help topic).
#include "tests/mainwin/LoadedMain.h"

#include <gtest/gtest.h>

#include "runtime/HelpPopup.h"
#include "tests/mainwin/MenuChooser.h"

namespace {

using MainWinTest::LoadedMain;
using MainWinTest::MenuChooser;

// The pixels of the caption colour inside the frame of `header` drawn on a
// bitmap of its own.
int CaptionPixels(const HeaderButton& header, HFONT font)
{
    const int w = header.Left() + header.Width(), h = header.Top() + header.Height();
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, font);
    header.Draw(dc);
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    int count = 0;
    for (int y = header.Top() + 3; y < h - 3; ++y)
        for (int x = header.Left() + 3; x < w - 3; ++x) count += GetPixel(dc, x, y) == text;
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return count;
}

TEST(TableHeaders, HaveNoWindowsAndAreDrawnWithTheirCaptions)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    fwMain& w = *window;
    ASSERT_EQ(w.bbFixHor.size(), 16u);
    ASSERT_EQ(w.bbFixVer.size(), 16u);
    HFONT font = w.pbFixHor.FontHandle() ? w.pbFixHor.FontHandle() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(w.bbFixHor[i]->hWnd(), nullptr);
        EXPECT_EQ(w.bbFixHor[i]->Caption(), std::wstring(1, L"0123456789ABCDEF"[i]));
        EXPECT_GT(CaptionPixels(*w.bbFixHor[i], font), 0) << "column " << i;
    }
    w.bbFixVer[3]->SetCaption(L"");
    EXPECT_EQ(CaptionPixels(*w.bbFixVer[3], font), 0);
    w.bbFixVer[3]->SetCaption(L"ABC");
    EXPECT_GT(CaptionPixels(*w.bbFixVer[3], font), 0);
}

TEST(TableHeaders, APressOnAStripReachesTheHeaderUnderIt)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    fwMain& w = *window;
    MenuChooser menus(L"&What's This?");
    const struct {
        Runtime::PictureBox* strip;
        HeaderButton* header;
    } cases[] = {
        {&w.pbFixHor, w.bbFixHor[0].get()}, {&w.pbFixHor, w.bbFixHor[15].get()},
        {&w.pbFixVer, w.bbFixVer[0].get()}, {&w.pbFixVer, w.bbFixVer[15].get()},
    };
    for (const auto& c : cases) {
        const std::wstring what = c.header->Name() + L"(" + std::to_wstring(c.header->Index()) + L")";
        const HeaderButton* pressed = nullptr;
        Runtime::MouseArgs seen{};
        auto previous = c.header->MouseDown;
        c.header->MouseDown = [&, previous, h = c.header](const Runtime::MouseArgs& args) {
            pressed = h, seen = args;
            previous(args);
        };
        const int x = c.header->Left() + 5, y = c.header->Top() + 4;
        SendMessageW(c.strip->hWnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y));
        SendMessageW(c.strip->hWnd(), WM_RBUTTONUP, 0, MAKELPARAM(x, y));
        c.header->MouseDown = previous;
        EXPECT_EQ(pressed, c.header) << what;
        EXPECT_EQ(seen.Button, Runtime::ButtonRight) << what;
        EXPECT_EQ(seen.X, 5) << what;
        EXPECT_EQ(seen.Y, 4) << what;
        EXPECT_EQ(w.pbAux.WhatsThisHelpID, 105) << what;
        EXPECT_NE(Runtime::HelpPopupWindow(), nullptr) << what;
        Runtime::CloseHelpPopup();
    }
}

} // namespace
