// The go-to box and the symbol box in the loaded main window: typing in
// either base, the jump when the box is full, the base switch, the box that
// forgets an unconfirmed number, the characters of the symbol box, and the
// block a go-to lands in when the code point is not listed.
#include "tests/mainwin/SearchDriving.h"
#include "tests/mainwin/TablePages.h"
#include "tests/mainwin/TablePages.h"

#include <gtest/gtest.h>

#include "common/Ini.h"

namespace {

using namespace MainWinTest;

const char kAllBlocksHex[] = "[fwMain]\r\nchRange=1\r\n";
const char kAllBlocksDecimal[] = "[fwMain]\r\nchRange=1\r\nbHexGoto=0\r\n";

TEST(GoTo, TypingJumpsWhenTheBoxIsFull)
{
    struct Case {
        bool hex;
        const wchar_t* typed;
        const wchar_t* text;   // the box afterwards
        std::int32_t goTo;     // GoToCode afterwards (0: no go-to ran)
    } cases[] = {
        {true, L"4a1f", L"4a1f", 0x4A1F},   // lower-case letters stay as typed
        {true, L"4a1", L"4a1", 0},
        {true, L"4g", L"4", 0},             // a g is removed at once
        {true, L"0041", L"0041", 0x41},
        {true, L"FFFF", L"FFFF", 0xFFFF},
        {false, L"65535", L"65535", 65535},
        {false, L"65536", L"6553", 0},      // the digit that passed 65535 goes again
        {false, L"0041", L"0041", 0},       // four of five digits: no jump yet
        {false, L"4a", L"4", 0},
    };
    for (const Case& c : cases) {
        LoadedMain window(c.hex ? kAllBlocksHex : kAllBlocksDecimal);
        ASSERT_TRUE(window.Loaded());
        ASSERT_EQ(window->GoToHex, c.hex);
        // Start-up in decimal shows "0" in the box (the base switch of an empty box).
        window->tbGoTo.SetText(L"");
        TypeChars(window->tbGoTo.hWnd(), c.typed);
        EXPECT_EQ(window->tbGoTo.Text(), c.text) << c.typed;
        EXPECT_EQ(window->GoToCode, c.goTo) << c.typed;
        EXPECT_EQ(window->tbGoTo.SelStart(), static_cast<int>(window->tbGoTo.Text().size())) << c.typed;
    }
}

TEST(GoTo, EnterGoesToWhatTheBoxHolds)
{
    struct Case {
        bool hex;
        const wchar_t* typed;
        std::int32_t goTo;
    } cases[] = {
        {false, L"0041", 41},
        {false, L"65", 65},
        {true, L"41", 0x41},
        {true, L"", 0},      // Enter in an empty box does nothing
        {false, L"", 0},
    };
    for (const Case& c : cases) {
        LoadedMain window(c.hex ? kAllBlocksHex : kAllBlocksDecimal);
        ASSERT_TRUE(window.Loaded());
        window->tbGoTo.SetText(L"");
        TypeChars(window->tbGoTo.hWnd(), c.typed);
        PressKey(window->tbGoTo.hWnd(), VK_RETURN);
        EXPECT_EQ(window->GoToCode, c.goTo) << c.typed << " hex " << c.hex;
        EXPECT_EQ(window->tbGoTo.Text(), c.typed) << "Enter is swallowed";
    }
}

TEST(GoTo, DoubleClickSwitchesTheBase)
{
    LoadedMain window(kAllBlocksHex);
    ASSERT_TRUE(window.Loaded());
    EXPECT_EQ(window->obSearch[0]->Caption(), L"&Go to (Hex):");
    EXPECT_EQ(window->tbGoTo.MaxLength(), 4);
    struct Step {
        const wchar_t* before;
        const wchar_t* after;
        const wchar_t* caption;
        int maxLength;
    } steps[] = {
        {L"0041", L"65", L"&Go to (Dec):", 5},
        {nullptr, L"41", L"&Go to (Hex):", 4},
        {L"FFFF", L"65535", L"&Go to (Dec):", 5},   // five digits, yet no jump: the old limit was 4
        {nullptr, L"FFFF", L"&Go to (Hex):", 4},    // four digits, no jump: the old limit was 5
        {L"", L"0", L"&Go to (Dec):", 5},
        {nullptr, L"0", L"&Go to (Hex):", 4},
    };
    for (const Step& s : steps) {
        if (s.before) window->tbGoTo.SetText(s.before);
        window->GoToCode = 0;
        SendMessageW(window->obSearch[0]->hWnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
        LoadedMain::Pump();
        EXPECT_EQ(window->tbGoTo.Text(), s.after) << s.after;
        EXPECT_EQ(window->obSearch[0]->Caption(), s.caption) << s.after;
        EXPECT_EQ(window->tbGoTo.MaxLength(), s.maxLength) << s.after;
        EXPECT_EQ(window->GoToCode, 0) << s.after;
    }
    // An empty box switched to decimal shows "0", which empties the other two.
    window->tbGoTo.SetText(L"");
    window->cbSearch.SetText(L"latin");
    window->obSearch_DblClick(0);
    EXPECT_EQ(window->tbGoTo.Text(), L"0");
    EXPECT_EQ(window->cbSearch.Text(), L"");
    ASSERT_TRUE(window.Unload());
    EXPECT_EQ(Common::IniReadString(window.Settings(), L"fwMain", L"bHexGoto"), L"0");
}

TEST(GoTo, LeavingTheBoxForgetsAnUnconfirmedNumber)
{
    LoadedMain window(kAllBlocksHex);
    ASSERT_TRUE(window.Loaded());
    window->tbGoTo.SetFocus();
    TypeChars(window->tbGoTo.hWnd(), L"12");
    window->lvFont.SetFocus();
    LoadedMain::Pump();
    EXPECT_EQ(window->tbGoTo.Text(), L"");

    window->tbGoTo.SetFocus();
    TypeChars(window->tbGoTo.hWnd(), L"12");
    PressKey(window->tbGoTo.hWnd(), VK_RETURN);
    window->lvFont.SetFocus();
    LoadedMain::Pump();
    EXPECT_EQ(window->tbGoTo.Text(), L"12");
}

TEST(GoTo, ACodePointOutsideTheListedBlocksIsReported)
{
    struct Case {
        std::initializer_list<int> listed;   // subset bits
        std::int32_t code;
        const wchar_t* message;
    } cases[] = {
        {{0}, 0x0041, L""},
        {{0}, 0x4A1F, L"Character 4A1F not supported by selected font."},
        {{7}, 0x0041, L"Character 0041 not supported by selected font."},
        {{0, 7}, 0x00A0, L"Character 00A0 not supported by selected font."},
    };
    for (const Case& c : cases) {
        LoadedMain window(kAllBlocksHex);
        ASSERT_TRUE(window.Loaded());
        ListBlocksOfBits(*window, c.listed);
        window->GoToChar(c.code);
        LoadedMain::Pump();
        EXPECT_EQ(window->GoToCode, c.code);
        EXPECT_EQ(MessageText(window), c.message) << c.code;
    }
}

TEST(SymbolBox, GoesToTheCharacterAsTypedPastedOrSet)
{
    struct Case {
        const char* how;
        wchar_t symbol;
    } cases[] = {
        {"typed", L'A'},
        {"typed", L'\u0410'},   // Cyrillic A from a Russian layout: not U+0010
        {"typed", L'\u00e9'},
        {"pasted", L'\u4e2d'},  // above U+7FFF
        {"set", L'\u20ac'},
    };
    for (const Case& c : cases) {
        LoadedMain window(kAllBlocksHex);
        ASSERT_TRUE(window.Loaded());
        window->cbSearch.SetText(L"latin");
        window->tbGoTo.SetText(L"41");
        const std::wstring text(1, c.symbol);
        if (std::string(c.how) == "typed")
            TypeChars(window->tbSearch.hWnd(), text);
        else if (std::string(c.how) == "pasted")
            SendMessageW(window->tbSearch.hWnd(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
        else
            window->tbSearch.SetText(text);
        LoadedMain::Pump();
        EXPECT_EQ(window->tbSearch.Text(), text) << c.how << " " << static_cast<int>(c.symbol);
        EXPECT_EQ(window->GoToCode, static_cast<std::int32_t>(c.symbol)) << c.how;
        EXPECT_EQ(window->cbSearch.Text(), L"") << c.how;
        EXPECT_EQ(window->tbGoTo.Text(), L"") << c.how;
    }
}

TEST(SymbolBox, TheNextCharacterTypedReplacesTheOneShown)
{
    LoadedMain window(kAllBlocksHex);
    ASSERT_TRUE(window.Loaded());
    TypeChars(window->tbSearch.hWnd(), L"ab");
    EXPECT_EQ(window->tbSearch.Text(), L"b");
    EXPECT_EQ(window->GoToCode, L'b');
}

TEST(SearchFrameFocus, EachOptionLeadsToItsBox)
{
    LoadedMain window(kAllBlocksHex);
    ASSERT_TRUE(window.Loaded());
    Runtime::Control* boxes[] = {&window->tbGoTo, &window->tbSearch, &window->cbSearch};
    for (int i = 2; i >= 0; --i) {
        window->obSearch[static_cast<std::size_t>(i)]->SetFocus();
        LoadedMain::Pump();
        EXPECT_TRUE(boxes[i]->HasFocus()) << "option " << i;
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(window->obSearch[static_cast<std::size_t>(j)]->Value(), i == j) << "option " << i << ", " << j;
    }
}

// Go-to, search and the symbol box select the cell that holds the
// destination, also when the listed blocks cannot fill a page and the page
// is pulled back so that rows no longer start where the code's row begins.
TEST(GoTo, SelectsTheCellOfTheDestinationAlsoOnShortLists)
{
    enum How { Typed, Named, Entity, Symbol };
    struct Case {
        const char* what;
        std::initializer_list<int> listed;   // subset bits; empty: every block
        How how;
        const wchar_t* input;
        std::int32_t selected;
    } cases[] = {
        {"full list, hex", {}, Typed, L"4a1f", 0x4A1F},
        {"full list, last code point", {}, Typed, L"FFFF", 0xFFFF},
        {"Basic Latin only", {0}, Typed, L"0041", 0x41},
        {"Basic Latin only, above it", {0}, Typed, L"4A1F", 0x7F},
        {"Basic Latin and Latin-1", {0, 1}, Typed, L"0041", 0x41},
        {"Basic Latin and Latin-1, the last", {0, 1}, Typed, L"00FF", 0xFF},
        {"Greek only, below it", {7}, Typed, L"0041", 0x3FF},
        {"Greek only", {7}, Typed, L"03A9", 0x3A9},
        {"name search, Basic Latin only", {0}, Named, L"LATIN A", 0x41},
        {"entity search, Basic Latin only", {0}, Entity, L"&amp;", 0x26},
        {"symbol, Cyrillic only", {9}, Symbol, L"\u0416", 0x416},
    };
    for (const Case& c : cases) {
        LoadedMain window(kAllBlocksHex);
        ASSERT_TRUE(window.Loaded());
        if (c.listed.size() > 0) ListBlocksOfBits(*window, c.listed);
        switch (c.how) {
        case Typed: TypeChars(window->tbGoTo.hWnd(), c.input); break;
        case Named:
        case Entity: Search(window, c.input); break;
        case Symbol: TypeChars(window->tbSearch.hWnd(), c.input); break;
        }
        EXPECT_EQ(CodeIn(*window, window->CurrentCell), c.selected) << c.what;
        EXPECT_FALSE(window->GoToBusy) << c.what;
    }
}

TEST(GoTo, ClickingAnotherCellClearsTheSearchBoxes)
{
    LoadedMain window(kAllBlocksHex);
    ASSERT_TRUE(window.Loaded());
    TypeChars(window->tbGoTo.hWnd(), L"0041");
    ASSERT_EQ(CodeIn(*window, window->CurrentCell), 0x41);
    window->cbSearch.AddItem(L"kept", 0);
    ClickCell(*window, window->CurrentCell);   // the same cell: the boxes stay
    EXPECT_EQ(window->tbGoTo.Text(), L"0041");
    EXPECT_EQ(window->GoToCode, 0x41);
    ClickCell(*window, window->CurrentCell + 1);
    EXPECT_EQ(window->tbGoTo.Text(), L"");
    EXPECT_EQ(window->GoToCode, 0);
    EXPECT_EQ(History(window), std::vector<std::wstring>{L"kept"});
}

} // namespace
