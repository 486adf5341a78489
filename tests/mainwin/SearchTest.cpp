// The search box in the loaded main window: name words walking forward
// through their hits, entity names, the messages, the button's states, the
// history and its settings section, and the box's own undo text.
#include "tests/mainwin/SearchDriving.h"
#include "tests/mainwin/TablePages.h"

#include <gtest/gtest.h>

#include <span>

#include "common/Ini.h"
#include "common/IniSection.h"

namespace {

using namespace MainWinTest;

// Every block listed, so that the scan covers the whole plane.
const char kAllBlocks[] = "[fwMain]\r\nchRange=1\r\n";

struct Step {
    const wchar_t* what;
    std::int32_t goTo;       // GoToCode after the click
    const wchar_t* message;
    const wchar_t* caption;
    bool enabled;
};

void ExpectStep(LoadedMain& window, const Step& step)
{
    EXPECT_EQ(window->GoToCode, step.goTo) << step.what;
    EXPECT_EQ(MessageText(window), step.message) << step.what;
    EXPECT_EQ(window->bbSearch.Caption(), step.caption) << step.what;
    EXPECT_EQ(window->bbSearch.Enabled(), step.enabled) << step.what;
}

TEST(Search, NameWordsWalkForwardToTheLastHit)
{
    LoadedMain window(kAllBlocks);
    ASSERT_TRUE(window.Loaded());
    window->cbSearch.SetText(L"dotless j");
    EXPECT_TRUE(window->bbSearch.Enabled());
    EXPECT_EQ(window->bbSearch.Caption(), L"S&earch");
    const Step steps[] = {
        {L"first hit", 0x0237, L"", L"N&ext (F3)", true},
        {L"second hit", 0x025F, L"", L"N&ext (F3)", true},
        {L"third hit", 0x0284, L"", L"N&ext (F3)", true},
        {L"fourth hit", 0x1DA1, L"", L"N&ext (F3)", true},
        {L"past the last", 0x1DA1, L"No more occurences.", L"S&earch", false},
    };
    // Enter in the box searches as the button does.
    PressKey(window->cbSearch.EditWindow(), VK_RETURN);
    ExpectStep(window, steps[0]);
    for (const Step& step : std::span(steps).subspan(1)) {
        ClickSearch(window);
        ExpectStep(window, step);
    }
    // A disabled button switches Enter off too.
    PressKey(window->cbSearch.EditWindow(), VK_RETURN);
    ExpectStep(window, steps[4]);
    // The scan does not wrap around; a new text starts a new search.
    window->cbSearch.SetText(L"dotless j ");
    EXPECT_EQ(window->SearchCursor, 0);
    ClickSearch(window);
    ExpectStep(window, {L"new search", 0x0237, L"", L"N&ext (F3)", true});
}

TEST(Search, LatinAFindsEveryLatinNameInOrder)
{
    LoadedMain window(kAllBlocks);
    ASSERT_TRUE(window.Loaded());
    Search(window, L"LATIN A");
    for (std::int32_t expected : {0x41, 0x42, 0x43}) {
        EXPECT_EQ(window->GoToCode, expected);
        ClickSearch(window);
    }
    EXPECT_EQ(History(window), std::vector<std::wstring>{L"LATIN A"});
}

TEST(Search, EntityNamesAndTheirMessages)
{
    struct Case {
        const wchar_t* text;
        std::int32_t goTo;
        const wchar_t* message;
        bool enabled;       // bbSearch after the click
        bool remembered;    // the text entered the history
    } cases[] = {
        {L"&amp;", 0x26, L"", false, true},
        {L"&AMP;", 0, L"No character found.", true, false},     // letter case counts
        {L"&amp", 0, L"Illegal entity syntax.", true, false},    // no closing ";"
        {L"  &midast; ", 0, L"No character found.", true, false}, // not an entity text: name words
        {L"&midast;  ", 0x2A, L"", false, true},
        {L"&NonBreakingSpace;", 0xA0, L"", false, true},
    };
    for (const Case& c : cases) {
        LoadedMain window(kAllBlocks);
        ASSERT_TRUE(window.Loaded());
        Search(window, c.text);
        EXPECT_EQ(window->GoToCode, c.goTo) << c.text;
        EXPECT_EQ(MessageText(window), c.message) << c.text;
        EXPECT_EQ(window->bbSearch.Enabled(), c.enabled) << c.text;
        EXPECT_EQ(History(window).size(), c.remembered ? 1u : 0u) << c.text;
        EXPECT_EQ(window->SearchCursor, 0) << c.text;
    }
}

TEST(Search, AFirstSearchThatFindsNothingSaysSoWhateverTheFirstListedBlock)
{
    // A list that starts above U+0000: a new search that finds nothing is
    // "No character found." and the button stays, as with U+0000 first.
    for (int bit : {0, 7}) {
        LoadedMain window(kAllBlocks);
        ASSERT_TRUE(window.Loaded());
        ListBlocksOfBits(*window, {bit});
        for (int click = 0; click < 2; ++click) {
            Search(window, L"QZXJ");
            EXPECT_EQ(MessageText(window), L"No character found.") << "bit " << bit << " click " << click;
            EXPECT_TRUE(window->bbSearch.Enabled()) << "bit " << bit;
            EXPECT_EQ(window->bbSearch.Caption(), L"S&earch") << "bit " << bit;
            EXPECT_EQ(window->SearchCursor, 0) << "bit " << bit;
        }
        EXPECT_TRUE(History(window).empty());
    }
}

TEST(Search, CharactersOutsideTheListedBlocksAreFoundAndReported)
{
    LoadedMain window(kAllBlocks);
    ASSERT_TRUE(window.Loaded());
    ListBlocksOfBits(*window, {0, 7});
    // Latin-1 lies in the gap between the two listed blocks.
    Search(window, L"&nbsp;");
    EXPECT_EQ(window->GoToCode, 0xA0);
    EXPECT_EQ(MessageText(window), L"Character 00A0 not supported by selected font.");
    // Above the last listed block nothing is searched.
    Search(window, L"&euro;");
    EXPECT_EQ(MessageText(window), L"No character found.");
}

TEST(Search, BoxKeepsOnlyLettersDigitsAmpersandSemicolonAndBlank)
{
    LoadedMain window(kAllBlocks);
    ASSERT_TRUE(window.Loaded());
    TypeChars(window->cbSearch.EditWindow(), L"a-b_c&;d 1\u00e9");
    EXPECT_EQ(window->cbSearch.Text(), L"abc&;d 1");
    window->cbSearch.SetText(L"");
    EXPECT_FALSE(window->bbSearch.Enabled());
}

TEST(Search, TheBoxesExcludeOneAnother)
{
    LoadedMain window(kAllBlocks);
    ASSERT_TRUE(window.Loaded());
    window->tbGoTo.SetText(L"41");
    window->cbSearch.SetText(L"latin");
    EXPECT_EQ(window->tbGoTo.Text(), L"");
    window->tbSearch.SetText(L"x");
    EXPECT_EQ(window->cbSearch.Text(), L"");
    window->tbGoTo.SetText(L"4");
    EXPECT_EQ(window->tbSearch.Text(), L"");
    // The program's own clearing runs no go-to.
    window->GoToChar(0x20AC);
    window->ClearSearch();
    EXPECT_EQ(window->GoToCode, 0);
    EXPECT_EQ(window->tbGoTo.Text() + window->tbSearch.Text() + window->cbSearch.Text(), L"");
}

TEST(SearchHistory, NewestFirstOnceInAnyCaseAtMostTwenty)
{
    LoadedMain window(kAllBlocks);
    ASSERT_TRUE(window.Loaded());
    Search(window, L"latin");
    Search(window, L"QZXJ");       // found nothing: not remembered
    Search(window, L"LATIN");      // already there in another case
    Search(window, L"&amp;");
    EXPECT_EQ(History(window), (std::vector<std::wstring>{L"&amp;", L"latin"}));

    // A history entry chosen from the list moves to the top and is searched again.
    window->cbSearch.SetListIndex(1);
    LoadedMain::Pump();
    EXPECT_EQ(window->cbSearch.Text(), L"latin");
    EXPECT_EQ(History(window), (std::vector<std::wstring>{L"latin", L"&amp;"}));
    EXPECT_EQ(window->SearchCursor, 0);
    EXPECT_TRUE(window->bbSearch.Enabled());

    const wchar_t* letters = L"ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int i = 0; i < 19; ++i) Search(window, std::wstring(L"letter ") + letters[i]);
    const std::vector<std::wstring> history = History(window);
    ASSERT_EQ(history.size(), 20u);
    EXPECT_EQ(history.front(), L"letter S");
    EXPECT_EQ(history.back(), L"latin");   // "&amp;" was the oldest and went
}

TEST(SearchHistory, KeptInTheSettingsFile)
{
    LoadedMain window("[fwMain]\r\nchRange=1\r\n[cbSearch_Search]\r\n0=arrow\r\n1=\r\n2=latin\r\n");
    ASSERT_TRUE(window.Loaded());
    EXPECT_EQ(History(window), (std::vector<std::wstring>{L"arrow", L"latin"}));
    Search(window, L"&amp;");
    ASSERT_TRUE(window.Unload());
    std::vector<std::wstring> stored;
    Common::IniReadSection(window.Settings(), L"cbSearch_Search", stored);
    EXPECT_EQ(stored, (std::vector<std::wstring>{L"&amp;", L"arrow", L"latin"}));
    EXPECT_EQ(Common::IniReadString(window.Settings(), L"cbSearch_Search", L"0"), L"&amp;");
}

TEST(SearchUndo, CtrlZSwapsTheBoxWithItsOwnUndoText)
{
    LoadedMain window(kAllBlocks);
    ASSERT_TRUE(window.Loaded());
    const HWND edit = window->cbSearch.EditWindow();
    TypeChars(edit, L"ab");
    EXPECT_EQ(window->cbSearch.Tag, L"a");
    EXPECT_EQ(window->PrevSearchText, L"a");
    PressKey(edit, 'Z', Runtime::CtrlMask);
    EXPECT_EQ(window->cbSearch.Text(), L"a");
    EXPECT_EQ(window->cbSearch.Tag, L"ab");
    PressKey(edit, VK_BACK, Runtime::AltMask);   // Alt+Backspace is Undo too: it redoes
    EXPECT_EQ(window->cbSearch.Text(), L"ab");
    EXPECT_EQ(window->cbSearch.Tag, L"a");
    // The other boxes' keys leave this undo text alone.
    TypeChars(window->tbGoTo.hWnd(), L"1");
    TypeChars(window->tbCopy.hWnd(), L"xy");
    EXPECT_EQ(window->PrevSearchText, L"a");
}

} // namespace
