// The glyph picture in a real hidden picture box with real fonts (DejaVu
// Sans, Tahoma): cells side by side whose earlier cells later resizes and
// glyphs leave alone, glyphs that overhang their advance on either side
// keeping all their ink, the bitmap on the real clipboard (the copy's own,
// even when a second copy redraws the box while it waits), and pictures too
// large refused before anything is made.
#include "chardata/ClipboardWriter.h"
#include "chardata/CopyPicture.h"
#include "runtime/Clipboard.h"
#include "runtime/Form.h"
#include "runtime/PictureBox.h"
#include "tests/chardata/ClipboardFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace Runtime;
using CharData::ClipboardOutcome;
using CharData::DrawCopyPicture;

constexpr COLORREF kWhite = RGB(255, 255, 255);

FontSpec MakeFont(const wchar_t* name, double size, bool italic = false)
{
    FontSpec font;
    font.Name = name;
    font.Size = size;
    font.Italic = italic;
    return font;
}

class PictureForm : public Form {
public:
    PictureForm() : Form(L"fwPicture") {}
    PictureBox pbCopy{this, nullptr, L"pbCopy"};

protected:
    void CreateControls() override
    {
        Move(30, 30, 300, 200);
        pbCopy.Create(0, 0, 20, 20);
        pbCopy.SetVisible(false);
        pbCopy.SetBorderStyle(0);
        pbCopy.SetAutoRedraw(true);
        pbCopy.SetBackColor(0xFFFFFF);
        pbCopy.SetForeColor(0x000000);
        pbCopy.SetFont(MakeFont(L"DejaVu Sans", 36));
    }
};

// The system's measures of one character in a font, taken on a DC of the test's own.
struct Measure {
    int advance = 0, height = 0;
    ABC abc{};
    std::wstring face;
};

Measure MeasureChar(const FontSpec& style, wchar_t c)
{
    Measure m;
    ScopedFont font = CreateScreenFont(style);
    ScopedGetDC screen(nullptr);
    ScopedMemDC dc(screen.Get());
    ScopedSelect select(dc.Get(), font.Get());
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), &c, 1, &size);
    m.advance = size.cx;
    m.height = size.cy;
    GetCharABCWidthsW(dc.Get(), c, c, &m.abc);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc.Get(), LF_FACESIZE, face);
    m.face = face;
    return m;
}

int CellWidth(const Measure& m)
{
    int w = std::abs(m.abc.abcA) + static_cast<int>(m.abc.abcB) + std::abs(m.abc.abcC);
    return w > m.advance ? w : m.advance;
}

// The ink of one character drawn alone, with room on every side.
long ReferenceInk(const FontSpec& style, wchar_t c)
{
    Measure m = MeasureChar(style, c);
    int width = 4 * CellWidth(m) + 40, height = m.height;
    ScopedFont font = CreateScreenFont(style);
    ScopedGetDC screen(nullptr);
    ScopedMemDC dc(screen.Get());
    ScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    ScopedSelect bitmapIn(dc.Get(), bitmap.Get());
    ScopedSelect fontIn(dc.Get(), font.Get());
    RECT all{0, 0, width, height};
    ScopedBrush white(CreateSolidBrush(kWhite));
    FillRect(dc.Get(), &all, white.Get());
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), RGB(0, 0, 0));
    TextOutW(dc.Get(), width / 2, 0, &c, 1);
    long ink = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) ink += GetPixel(dc.Get(), x, y) != kWhite;
    return ink;
}

long BoxInk(const PictureBox& box, int left, int right)
{
    long ink = 0;
    for (int y = 0; y < box.ScaleHeight(); ++y)
        for (int x = left; x < right; ++x) ink += box.Point(x, y) != static_cast<long>(kWhite);
    return ink;
}

std::vector<long> BoxPixels(const PictureBox& box, int left, int right)
{
    std::vector<long> pixels;
    for (int y = 0; y < box.ScaleHeight(); ++y)
        for (int x = left; x < right; ++x) pixels.push_back(box.Point(x, y));
    return pixels;
}

class CopyPictureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lock_.Held());
        ASSERT_TRUE(form.Load());
        ASSERT_EQ(MeasureChar(MakeFont(L"DejaVu Sans", 36), L'A').face, L"DejaVu Sans");
        ASSERT_EQ(MeasureChar(MakeFont(L"Tahoma", 36), L'A').face, L"Tahoma");
        wait.Message = [this](const std::wstring& m) { messages.push_back(m); };
    }
    void TearDown() override { form.Unload(); }

    PictureForm form;
    PictureBox& box = form.pbCopy;
    CharData::ClipboardWait wait;
    std::vector<std::wstring> messages;

private:
    FormsTest::ClipboardLock lock_;
};

TEST_F(CopyPictureTest, ThreeCharactersMakeOnePictureThreeCellsWide)
{
    const FontSpec font = box.Font();
    const wchar_t text[] = L"AjW";
    std::vector<int> ends;
    std::vector<long> firstCell;
    int x = 0;
    for (int i = 0; i < 3; ++i) {
        int newX = -1;
        ASSERT_TRUE(DrawCopyPicture(box, text[i], x, newX)) << i;
        EXPECT_EQ(newX, x + CellWidth(MeasureChar(font, text[i]))) << "cell " << i;
        EXPECT_EQ(box.ScaleWidth(), newX);
        EXPECT_EQ(box.ScaleHeight(), MeasureChar(font, text[i]).height);
        EXPECT_GT(BoxInk(box, x, newX), 0) << "cell " << i << " is empty";
        if (i == 0) firstCell = BoxPixels(box, 0, newX);
        ends.push_back(newX);
        x = newX;
    }
    EXPECT_EQ(BoxPixels(box, 0, ends[0]), firstCell) << "the first cell changed";
    EXPECT_EQ(box.Picture().Width(), ends[2]) << "the drawing is not the box's picture";

    // x = 0 begins a new picture: the old cells are gone.
    int newX = 0;
    ASSERT_TRUE(DrawCopyPicture(box, L'A', 0, newX));
    EXPECT_EQ(newX, ends[0]);
    EXPECT_EQ(BoxPixels(box, 0, newX), firstCell);
}

TEST_F(CopyPictureTest, GlyphsOverhangingTheirAdvanceKeepAllTheirInkInTheirCell)
{
    struct Case { const char* what; FontSpec font; const wchar_t* candidates; bool negativeA; };
    const Case cases[] = {
        {"negative A width", MakeFont(L"DejaVu Sans", 36), L"j\u0237\u0292", true},
        {"negative C width, italic", MakeFont(L"DejaVu Sans", 36, true), L"f\u0192\u222B", false},
    };
    for (const Case& c : cases) {
        box.SetFont(c.font);
        wchar_t glyph = 0;
        for (const wchar_t* p = c.candidates; *p && !glyph; ++p) {
            ABC abc = MeasureChar(c.font, *p).abc;
            if (c.negativeA ? abc.abcA < 0 : abc.abcC < 0) glyph = *p;
        }
        ASSERT_NE(glyph, 0) << c.what << ": no such glyph in the font";
        const Measure m = MeasureChar(c.font, glyph);
        const long ink = ReferenceInk(c.font, glyph);

        int x1 = 0, x2 = 0;
        ASSERT_TRUE(DrawCopyPicture(box, glyph, 0, x1)) << c.what;
        EXPECT_GT(x1, m.advance) << c.what << ": the cell is no wider than the advance";
        EXPECT_EQ(BoxInk(box, 0, x1), ink) << c.what << ": ink clipped when drawn first";

        // After another character: its cell is left as it was.
        ASSERT_TRUE(DrawCopyPicture(box, L'H', 0, x1)) << c.what;
        std::vector<long> before = BoxPixels(box, 0, x1);
        ASSERT_TRUE(DrawCopyPicture(box, glyph, x1, x2)) << c.what;
        EXPECT_EQ(BoxPixels(box, 0, x1), before) << c.what << ": the earlier cell was drawn over";
        EXPECT_EQ(BoxInk(box, x1, x2), ink) << c.what << ": ink clipped in the second cell";
    }
}

TEST_F(CopyPictureTest, CopyPutsOneBitmapOfAllTheCellsOnTheClipboard)
{
    struct Case { const char* what; FontSpec font; std::wstring text; };
    const Case cases[] = {
        {"DejaVu Sans", MakeFont(L"DejaVu Sans", 28), L"A\u00E9\u20ACj"},
        {"Tahoma", MakeFont(L"Tahoma", 20), L"Wq\u0416"},
        {"one character", MakeFont(L"Tahoma", 11), L"x"},
    };
    for (const Case& c : cases) {
        Clipboard::Clear();
        box.SetFont(c.font);
        int width = 0;
        for (wchar_t ch : c.text) width += CellWidth(MeasureChar(c.font, ch));
        auto result = CharData::CopyPicture(box, c.text, wait);
        ASSERT_EQ(result.Outcome, ClipboardOutcome::Copied) << c.what;

        ScopedBitmap copied = Clipboard::GetData();
        ASSERT_TRUE(copied) << c.what;
        BITMAP bm{};
        GetObjectW(copied.Get(), sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, width) << c.what;
        EXPECT_EQ(bm.bmHeight, MeasureChar(c.font, c.text[0]).height) << c.what;

        // The same pixels as the box keeps.
        ScopedGetDC screen(nullptr);
        ScopedMemDC dc(screen.Get());
        ScopedSelect in(dc.Get(), copied.Get());
        long differences = 0, ink = 0;
        for (int y = 0; y < bm.bmHeight; ++y)
            for (int x = 0; x < bm.bmWidth; ++x) {
                COLORREF p = GetPixel(dc.Get(), x, y);
                differences += static_cast<long>(p) != box.Point(x, y);
                ink += p != kWhite;
            }
        EXPECT_EQ(differences, 0) << c.what;
        EXPECT_GT(ink, 0) << c.what;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(CopyPictureTest, ASecondCopyWhileTheFirstWaitsLeavesTheFirstItsPicture)
{
    const FontSpec font = MakeFont(L"DejaVu Sans", 28);
    box.SetFont(font);
    const std::wstring first = L"Ab", second = L"WWWWWWWW";
    int width = 0;
    for (wchar_t ch : first) width += CellWidth(MeasureChar(font, ch));

    // A quit left by another test's form would end the wait at once.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    // The second copy comes while the first waits: it draws its own picture
    // into the box (whose picture the first one copies) and is ignored.
    FormsTest::ClipboardHolder holder(750);
    ASSERT_TRUE(holder.Held());
    CharData::ClipboardResult again;
    FormsTest::TimerAction meanwhile(200, [&] { again = CharData::CopyPicture(box, second, wait); });
    CharData::ClipboardResult result = CharData::CopyPicture(box, first, wait);
    holder.Release();

    ASSERT_TRUE(meanwhile.Fired());
    EXPECT_EQ(again.Outcome, ClipboardOutcome::Ignored);
    EXPECT_EQ(result.Outcome, ClipboardOutcome::Copied);
    EXPECT_GT(result.Attempts, 1);
    ScopedBitmap copied = Clipboard::GetData();
    ASSERT_TRUE(copied) << "the first copy's picture went with the box's old one";
    BITMAP bm{};
    GetObjectW(copied.Get(), sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, width) << "not the first copy's picture";
    EXPECT_TRUE(messages.empty());
}

TEST_F(CopyPictureTest, APictureTooLargeIsRefusedBeforeAnythingIsMade)
{
    struct Case { const char* what; FontSpec font; std::wstring text; };
    const Case cases[] = {
        {"wider than 32767 pixels", MakeFont(L"DejaVu Sans", 72), std::wstring(1000, L'W')},
        {"a huge copy text", MakeFont(L"Tahoma", 8), std::wstring(1000000, L'M')},
        {"too many pixels", MakeFont(L"DejaVu Sans", 1000), std::wstring(16, L'W')},
    };
    for (const Case& c : cases) {
        Clipboard::SetText(std::wstring(L"before"));
        box.SetFont(c.font);
        int newX = 0;
        ASSERT_TRUE(DrawCopyPicture(box, L'A', 0, newX));
        const int width = box.ScaleWidth(), height = box.ScaleHeight();
        messages.clear();

        auto result = CharData::CopyPicture(box, c.text, wait);
        EXPECT_EQ(result.Outcome, ClipboardOutcome::Refused) << c.what;
        ASSERT_EQ(messages.size(), 1u) << c.what;
        EXPECT_EQ(messages[0], CharData::kPictureTooLargeMessage) << c.what;
        EXPECT_EQ(Clipboard::GetUnicodeText(), L"before") << c.what << ": the clipboard changed";
        EXPECT_EQ(box.ScaleWidth(), width) << c.what << ": the box was resized";
        EXPECT_EQ(box.ScaleHeight(), height) << c.what;
    }

    // One character at a time: refused at the bound, and for bad arguments.
    box.SetFont(MakeFont(L"DejaVu Sans", 36));
    struct Draw { const char* what; int code; int x; };
    const Draw draws[] = {
        {"past the bound", L'W', CharData::kMaxPictureSize - 5},
        {"negative code", -1, 0},
        {"code above the plane", 0x10000, 0},
        {"negative x", L'A', -3},
    };
    for (const Draw& d : draws) {
        int newX = 12345;
        EXPECT_FALSE(DrawCopyPicture(box, d.code, d.x, newX)) << d.what;
        EXPECT_EQ(newX, d.x) << d.what;
    }

    // An empty copy is no copy, and no message.
    messages.clear();
    EXPECT_EQ(CharData::CopyPicture(box, L"", wait).Outcome, ClipboardOutcome::Refused);
    EXPECT_TRUE(messages.empty());
}

} // namespace
