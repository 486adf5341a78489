// The output options in the real window: which controls each form enables,
// the entity form's grey copy box, the picture size with its hint and its
// bound, the style boxes, the colour dialog, and the glyph pattern.
#include "tests/mainwin/ChooseForm.h"
#include "tests/mainwin/LoadedMain.h"
#include "tests/mainwin/TablePages.h"

#include <algorithm>
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "common/Ini.h"
#include "runtime/ColorDialog.h"

namespace {

using MainWinTest::ChooseForm;
using MainWinTest::LoadedMain;

TEST(Options, EachFormEnablesTheControlsThatGoWithIt)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    window->cbEntity.AddItem(L"&quot;");
    struct Case { int format; bool picture, backColour, codePage, entity, copyBox; };
    const Case cases[] = {
        {0, false, false, false, false, true},  {1, true, false, false, false, true},
        {2, false, false, false, false, true},  {7, false, false, false, false, true},
        {8, false, false, true, false, true},   {9, false, false, false, false, true},
        {10, true, true, false, false, true},   {11, false, false, false, true, false},
        {3, false, false, false, false, true},
    };
    for (const Case& c : cases) {
        ChooseForm(window, c.format);
        EXPECT_EQ(window->cbPicture.Enabled(), c.picture) << "form " << c.format;
        for (auto& style : window->chPicture) EXPECT_EQ(style->Enabled(), c.picture) << "form " << c.format;
        EXPECT_EQ(window->bbPicture[0]->Enabled(), c.picture) << "form " << c.format;
        EXPECT_EQ(window->bbPicture[1]->Enabled(), c.backColour) << "form " << c.format;
        EXPECT_EQ(window->cbCharSet.Enabled(), c.codePage) << "form " << c.format;
        EXPECT_EQ(window->cbEntity.Enabled(), c.entity) << "form " << c.format;
        EXPECT_EQ(window->tbCopy.Enabled(), c.copyBox) << "form " << c.format;
        EXPECT_EQ(window->tbCopy.BackColor(), c.copyBox ? Runtime::ColorWindow : Runtime::ColorButtonFace)
            << "form " << c.format;
    }
    window->cbEntity.Clear();
    ChooseForm(window, 11 - 1);
    ChooseForm(window, 11);
    EXPECT_FALSE(window->cbEntity.Enabled()) << "no entity to choose";
}

TEST(Options, TheEntityFormShowsTheSelectedCharacterAndLeavesItAfterwards)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    MainWinTest::ListAllBlocks(*window);
    MainWinTest::ShowPage(*window, 0x400, 0x10); // U+0410 selected
    window->tbCopy.SetText(L"abc");
    ChooseForm(window, 11);
    EXPECT_EQ(window->tbCopy.Text(), L"\u0410");
    EXPECT_FALSE(window->CopyNotTyped);
    ChooseForm(window, 0);
    EXPECT_TRUE(window->tbCopy.Enabled());
    EXPECT_EQ(window->tbCopy.Text(), L"\u0410");
}

TEST(Options, TheEntityMarkFollowsTheChosenRow)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    window->cbEntity.AddItem(L"&quot;");
    window->cbEntity.SetList(0, 1, L"ie");
    window->cbEntity.AddItem(L"&QUOT;");
    window->cbEntity.SetListIndex(0);
    EXPECT_EQ(window->tlEntity.Caption(), L"ie");
    window->cbEntity.SetListIndex(1);
    EXPECT_EQ(window->tlEntity.Caption(), L"");
}

TEST(Options, ThePictureSizeShowsInTheViewUpToTheLargestThatFits)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    window->ViewFontSize = 40;
    struct Case { const wchar_t* typed; const wchar_t* kept; double view; const wchar_t* hint; double copy; };
    const Case cases[] = {
        {L"24", L"24", 24, L"", 24},
        {L"72", L"72", 40, L"(40)", 72},
        {L"1", L"1", 40, L"(40)", 1},
        {L"2", L"2", 2, L"", 2},
        {L"1a2", L"12", 12, L"", 12},
        // The limit, and above it: the copy picture is drawn at the limit.
        {L"500", L"500", 40, L"(40)", 500},
        {L"501", L"501", 40, L"(40)", 500},
        {L"999", L"999", 40, L"(40)", 500},
        {L"99999999999999999999", L"99999999999999999999", 40, L"(40)", 500},
        {L"", L"", 40, L"(40)", 40},
        {L"x", L"", 40, L"(40)", 40},
    };
    for (const Case& c : cases) {
        window->cbPicture.SetText(c.typed);
        EXPECT_EQ(window->cbPicture.Text(), c.kept) << "typed size text " << window->cbPicture.Text().size();
        EXPECT_EQ(window->pbView.Font().Size, c.view) << "kept " << c.view;
        EXPECT_EQ(window->tlView.Font().Size, c.view) << "kept " << c.view;
        EXPECT_EQ(window->tlPicture2.Caption(), c.hint) << "view " << c.view;
        EXPECT_EQ(window->pbCopy.Font().Size, c.copy) << "copy " << c.copy;
    }
}

TEST(Options, TheChosenFontAndTheSavedPictureOptionsReachTheViewAndTheCopyPicture)
{
    LoadedMain window("[fwMain_Picture]\r\ncbPicture=30\r\nchPicture1=1\r\n");
    ASSERT_TRUE(window.Loaded());
    ASSERT_GE(window->lvFont.ListItems().Count(), 2);
    for (int item : {1, 2}) {
        Runtime::ListItem& font = window->lvFont.ListItems()(item);
        window->lvFont.SetSelectedItem(&font);
        window->lvFont_ItemClick(&font);
        ASSERT_GT(window->ViewFontSize, 0);
        EXPECT_EQ(window->cbPicture.Text(), L"30");
        EXPECT_EQ(window->pbCopy.Font().Name, font.Text()) << "item " << item;
        EXPECT_EQ(window->pbCopy.Font().Size, 30) << "item " << item;
        EXPECT_TRUE(window->pbCopy.Font().Italic) << "item " << item;
        EXPECT_EQ(window->pbView.Font().Name, font.Text()) << "item " << item;
        EXPECT_EQ(window->pbView.Font().Size, std::min(30, window->ViewFontSize)) << "item " << item;
        EXPECT_TRUE(window->pbView.Font().Italic) << "item " << item;
    }
}

TEST(Options, AStoredPictureSizeOutOfBoundsIsCappedOrRefusedAtStartUp)
{
    // The copy picture: at the limit above it, at the view's size for none.
    struct Case { const char* stored; bool atLimit; };
    for (const auto& [stored, atLimit] : {Case{"999999999", true}, Case{"abc", false}, Case{"0", false}}) {
        LoadedMain window(std::string("[fwMain_Picture]\r\ncbPicture=") + stored + "\r\n");
        ASSERT_TRUE(window.Loaded()) << stored;
        ASSERT_GT(window->ViewFontSize, 0) << stored;
        EXPECT_EQ(window->pbView.Font().Size, window->ViewFontSize) << stored;
        EXPECT_EQ(window->pbCopy.Font().Size, atLimit ? 500 : window->ViewFontSize) << stored;
        EXPECT_EQ(window->tlPicture2.Caption(), L"(" + std::to_wstring(window->ViewFontSize) + L")") << stored;
    }
    // A number beyond reading gives the box's own default size.
    LoadedMain window("[fwMain_Picture]\r\ncbPicture=1e300\r\n");
    ASSERT_TRUE(window.Loaded());
    EXPECT_GE(window->pbCopy.Font().Size, 1);
    EXPECT_LE(window->pbCopy.Font().Size, 500);
}

// What is saved is the size the copy picture is drawn at: the typed size
// up to the limit, the limit above it, else the view's size; never the raw
// text.
TEST(Options, TheSavedPictureSizeIsTheSizeTheWindowUses)
{
    struct Case { const wchar_t* typed; int saved; };
    const int view = 40;
    const Case cases[] = {
        {L"72", 72}, {L"500", 500}, {L"501", 500}, {L"99999999999999999999", 500}, {L"0", view}, {L"", view},
    };
    for (const Case& c : cases) {
        LoadedMain window;
        ASSERT_TRUE(window.Loaded());
        window->ViewFontSize = view;
        window->cbPicture.SetText(c.typed);
        ASSERT_TRUE(window.Unload());
        EXPECT_EQ(Common::IniReadString(window.Settings(), L"fwMain_Picture", L"cbPicture"), std::to_wstring(c.saved))
            << "typed [" << c.typed << "]";
    }
}

TEST(Options, ThePictureSizeStartsInWholePoints)
{
    struct Case { std::string settings; std::wstring text; };
    const Case cases[] = {
        {"", std::to_wstring(std::lround(Runtime::FontSpec{}.Size))}, // the box's own font size: 8.25 is 8
        {"[fwMain_Picture]\r\ncbPicture=12.5\r\n", L"13"},
        {"[fwMain_Picture]\r\ncbPicture=24\r\n", L"24"},
    };
    for (const Case& c : cases) {
        LoadedMain window(c.settings);
        ASSERT_TRUE(window.Loaded());
        EXPECT_EQ(window->cbPicture.Text(), c.text) << c.settings;
        EXPECT_EQ(window->pbCopy.Font().Size, std::stod(c.text)) << c.settings;
    }
}

TEST(Options, StyleBoxesGiveTheViewAndTheCopyPictureTheirStyle)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    for (int i = 0; i < 4; ++i) {
        window->chPicture[i]->SetValue(1);
        const Runtime::FontSpec view = window->pbView.Font(), copy = window->pbCopy.Font();
        const bool expect[4] = {true, i >= 1, i >= 2, i >= 3};
        const bool viewHas[4] = {view.Bold, view.Italic, view.Underline, view.Strikethrough};
        const bool copyHas[4] = {copy.Bold, copy.Italic, copy.Underline, copy.Strikethrough};
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(viewHas[k], expect[k]) << "after box " << i << ", style " << k;
            EXPECT_EQ(copyHas[k], expect[k]) << "after box " << i << ", style " << k;
        }
        EXPECT_EQ(window->tlView.Font(), window->pbView.Font());
    }
    window->chPicture[0]->SetValue(0);
    EXPECT_FALSE(window->pbView.Font().Bold);
    EXPECT_TRUE(window->pbView.Font().Italic);
}

// The colour dialog, answered through the seam with the real dialog.
class Answering {
public:
    explicit Answering(Runtime::ColorDialogAnswer answer) : old_(Runtime::SetColorDialogAnswer(std::move(answer))) {}
    ~Answering() { Runtime::SetColorDialogAnswer(old_); }

private:
    Runtime::ColorDialogAnswer old_;
};

constexpr int kRedEdit = 706, kGreenEdit = 707, kBlueEdit = 708;

TEST(Options, ColourButtonsSetTheViewAndCopyColoursAndCancelKeepsThem)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    ChooseForm(window, 10);
    struct Case { int button; bool cancel; int r, g, b; Runtime::OleColor fore, back; };
    const Case cases[] = {
        {0, false, 255, 0, 0, 0x0000FF, 0xFFFFFF},
        {1, false, 0, 0, 128, 0x0000FF, 0x800000},
        {0, true, 0, 255, 0, 0x0000FF, 0x800000},
        {1, true, 0, 255, 0, 0x0000FF, 0x800000},
    };
    for (const Case& c : cases) {
        Runtime::OleColor initial = 0xFFFFFFFF;
        Answering answer([&](HWND dialog) {
            initial = window->MSWinDialog.Color();
            SetDlgItemInt(dialog, kRedEdit, c.r, FALSE);
            SetDlgItemInt(dialog, kGreenEdit, c.g, FALSE);
            SetDlgItemInt(dialog, kBlueEdit, c.b, FALSE);
            const int id = c.cancel ? IDCANCEL : IDOK;
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
        });
        const Runtime::OleColor before = c.button == 0 ? window->tlView.ForeColor() : window->tlView.BackColor();
        window->bbPicture[c.button]->SetValue(true);
        EXPECT_EQ(initial, before) << "the dialog starts with the current colour, button " << c.button;
        EXPECT_EQ(window->tlView.ForeColor(), c.fore) << "button " << c.button << " cancel " << c.cancel;
        EXPECT_EQ(window->pbCopy.ForeColor(), c.fore) << "button " << c.button << " cancel " << c.cancel;
        EXPECT_EQ(window->tlView.BackColor(), c.back) << "button " << c.button << " cancel " << c.cancel;
        EXPECT_EQ(window->pbView.BackColor(), c.back) << "button " << c.button << " cancel " << c.cancel;
        EXPECT_EQ(window->pbCopy.BackColor(), c.back) << "button " << c.button << " cancel " << c.cancel;
    }
}

TEST(Options, ThePatternShowsOnlyWhenCheckedAndEnabled)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    struct Case { int checked; bool enabled; bool busy; bool shown; };
    const Case cases[] = {
        {1, true, false, true},
        {1, false, false, false},
        {0, true, false, false},
        {1, true, true, false}, // while the program moves things, nothing changes
    };
    for (const Case& c : cases) {
        window->ibView.SetVisible(false);
        window->chView.SetEnabled(c.enabled);
        window->EventsBusy += c.busy ? 1 : 0;
        window->chView.SetValue(c.checked);
        window->chView_Click();
        window->EventsBusy -= c.busy ? 1 : 0;
        EXPECT_EQ(window->ibView.Visible(), c.shown)
            << "checked " << c.checked << " enabled " << c.enabled << " busy " << c.busy;
    }
}

uint32_t pixelAt(const Runtime::PictureBox& box, int x, int y)
{
    return static_cast<uint32_t>(box.Point(x, y));
}

TEST(Options, ThePatternPicturesFollowTheViewFontInTheirBoxesColours)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    ASSERT_TRUE(MainWinTest::ChooseFont(*window, MainWinTest::kDejaVuSans)); // the pattern is as high as its "o"
    window->ViewFontSize = 72;
    int lastSize = 0;
    for (const wchar_t* size : {L"12", L"36", L"72"}) {
        window->cbPicture.SetText(size);
        Runtime::PictureBox& overhang = *window->pbModel[1];
        Runtime::PictureBox& mark = *window->pbModel[2];
        const int n = overhang.ScaleWidth();
        EXPECT_GT(n, lastSize) << "size " << n;
        lastSize = n;
        EXPECT_EQ(overhang.ScaleHeight(), n);
        EXPECT_EQ(mark.ScaleWidth(), n);
        EXPECT_EQ(mark.ScaleHeight(), n);
        // The pattern's lines in each box's colour, white between them.
        for (Runtime::PictureBox* box : {&overhang, &mark}) {
            const uint32_t fore = Runtime::ResolveColor(box->ForeColor());
            int lines = 0, white = 0, other = 0;
            for (int y = 0; y < n; ++y)
                for (int x = 0; x < n; ++x) {
                    const uint32_t pixel = static_cast<uint32_t>(box->Point(x, y));
                    if (pixel == fore) ++lines;
                    else if (pixel == 0xFFFFFFu) ++white;
                    else ++other;
                }
            EXPECT_GT(lines, 0) << "size " << n;
            EXPECT_GT(white, 0) << "size " << n;
            EXPECT_EQ(other, 0) << "size " << n;
            EXPECT_EQ(pixelAt(*box, 0, 0), fore) << "the frame, size " << n;
        }
        EXPECT_NE(Runtime::ResolveColor(overhang.ForeColor()), Runtime::ResolveColor(mark.ForeColor()));
        // The image sits in the middle of the view with the pattern's size.
        EXPECT_EQ(window->ibView.Width(), n);
        EXPECT_EQ(window->ibView.Height(), n);
        EXPECT_EQ(window->ibView.Left(), (window->pbView.ScaleWidth() - n) / 2);
        EXPECT_EQ(window->ibView.Top(), (window->pbView.ScaleHeight() - n) / 2);
        // Above the glyph of the view, not hidden behind it.
        EXPECT_EQ(GetWindow(window->pbView.ClientWindow(), GW_CHILD), window->ibView.hWnd());
    }
}

} // namespace
