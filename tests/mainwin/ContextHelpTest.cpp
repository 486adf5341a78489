// Context help of the real window: the help id of each control, the
// "What's This?" popup a right click offers (for the control itself or the
// one it stands for), the topic text shown, and the topic source that the
// program carries.
#include "tests/mainwin/LoadedMain.h"

#include <gtest/gtest.h>

#include <functional>

#include "mainwin/HelpTopics.h"
#include "runtime/HelpPopup.h"
#include "tests/mainwin/MenuChooser.h"

namespace {

using MainWinTest::LoadedMain;
using MainWinTest::MenuChooser;

const Runtime::MouseArgs kRightPress{Runtime::ButtonRight, 0, 2, 2};
const wchar_t kWhatsThis[] = L"&What's This?";

TEST(ContextHelp, ARightPressOffersTheTopicOfTheControlOrTheOneItStandsFor)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    fwMain& w = *window;
    MenuChooser menus(kWhatsThis);
    const struct {
        const wchar_t* what;
        Runtime::Control* pressed;
        long topic;
    } cases[] = {
        {L"bbCopy", &w.bbCopy, 162},           {L"bbSearch", &w.bbSearch, 116},
        {L"bbReset", &w.bbReset, 166},         {L"bbAbout", &w.bbAbout, 164},
        {L"bbFont", &w.bbFont, 102},           {L"chMode", &w.chMode, 177},
        {L"chOnTop", &w.chOnTop, 175},         {L"chRange", &w.chRange, 104},
        {L"chView", &w.chView, 153},           {L"chPreview", &w.chPreview, 155},
        {L"bbPicture(1)", w.bbPicture[1].get(), 148}, {L"chPicture(2)", w.chPicture[2].get(), 145},
        {L"obFormat(0)", w.obFormat[0].get(), 121},   {L"obFormat(1)", w.obFormat[1].get(), 131},
        {L"obFormat(8)", w.obFormat[8].get(), 120},   {L"obFormat(11)", w.obFormat[11].get(), 129},
        {L"obSearch(0)", w.obSearch[0].get(), 111},   {L"obSearch(2)", w.obSearch[2].get(), 115},
        {L"bbFixHor(5)", w.bbFixHor[5].get(), 105},   {L"bbFixVer(0)", w.bbFixVer[0].get(), 105},
        {L"a table cell", &w.pbTable, 105},
        {L"pbFont", &w.pbFont, 101},           {L"tlFont", &w.tlFont, 101},
        {L"pbRange", &w.pbRange, 103},         {L"tlRange", &w.tlRange, 103},
        {L"pbView", &w.pbView, 152},           {L"tlView", &w.tlView, 152},
        {L"tlEntity", &w.tlEntity, 118},       {L"tlPreview", &w.tlPreview, 154},
        {L"tlCopy", &w.tlCopy, 151},           {L"tlPicture", &w.tlPicture, 141},
        {L"tlPicture2", &w.tlPicture2, 142},   {L"pbType", &w.pbType, 173},
    };
    for (const auto& c : cases) {
        const size_t before = menus.shown.size();
        w.pbAux.WhatsThisHelpID = 0;
        c.pressed->MouseDown(kRightPress);
        ASSERT_EQ(menus.shown.size(), before + 1) << c.what;
        EXPECT_EQ(menus.LastTexts(), std::vector<std::wstring>{kWhatsThis}) << c.what;
        EXPECT_EQ(w.mHelpWhatsThis.Tag, std::to_wstring(c.topic)) << c.what;
        EXPECT_EQ(w.pbAux.WhatsThisHelpID, c.topic) << c.what;
        HWND popup = Runtime::HelpPopupWindow();
        ASSERT_NE(popup, nullptr) << c.what;
        EXPECT_EQ(Runtime::WindowText(popup), fwMain::BuiltInHelpText(c.topic)) << c.what;
    }
    // A click anywhere closes the topic.
    HWND popup = Runtime::HelpPopupWindow();
    SendMessageW(popup, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(Runtime::HelpPopupWindow(), nullptr);
    EXPECT_FALSE(IsWindow(popup));
}

TEST(ContextHelp, RealRightAndLeftClicksOnAButton)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    MenuChooser menus;
    window->tbCopy.SetText(L"ab");
    HWND button = window->bbReset.hWnd();
    SendMessageW(button, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
    SendMessageW(button, WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
    ASSERT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(menus.LastTexts(), std::vector<std::wstring>{kWhatsThis});
    EXPECT_EQ(window->tbCopy.Text(), L"ab") << "the right button does not press it";
    // A left click does the button's own work and offers no help.
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    LoadedMain::Pump();
    EXPECT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(window->tbCopy.Text(), L"");
    EXPECT_EQ(Runtime::HelpPopupWindow(), nullptr);
}

TEST(ContextHelp, AStatusPanelOffersItsOwnTopicAndTheBarKeepsNone)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    MenuChooser menus(kWhatsThis);
    Runtime::StatusBar& bar = *window->pbStatus[0];
    const Runtime::Panel& hex = bar.Panels()(L"Hex");
    window->pbStatus_MouseDown(0, {Runtime::ButtonRight, 0, hex.Left() + hex.Width() / 2, 4});
    EXPECT_EQ(window->pbAux.WhatsThisHelpID, 171);
    ASSERT_NE(Runtime::HelpPopupWindow(), nullptr);
    EXPECT_EQ(Runtime::WindowText(Runtime::HelpPopupWindow()), fwMain::BuiltInHelpText(171));
    EXPECT_EQ(bar.WhatsThisHelpID, 0);
    Runtime::CloseHelpPopup();
}

TEST(ContextHelp, ATopicThatIsNoNumberOrHasNoTextShowsNothing)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    const struct {
        const wchar_t* tag;
        long id;
    } cases[] = {{L"0", 0}, {L"", 0}, {L"abc", 0}, {L"1e300", 0}, {L"-5", -5}, {L"99999", 99999},
                 {L"151.4", 151}, {L"151.6", 152}};
    for (const auto& c : cases) {
        window->mHelpWhatsThis.Tag = c.tag;
        window->mHelpWhatsThis_Click();
        EXPECT_EQ(window->pbAux.WhatsThisHelpID, c.id) << c.tag;
        EXPECT_EQ(Runtime::HelpPopupWindow() != nullptr, !fwMain::BuiltInHelpText(c.id).empty()) << c.tag;
        Runtime::CloseHelpPopup();
    }
    // A disabled item shows nothing.
    window->mHelpWhatsThis.Tag = L"151";
    window->mHelpWhatsThis.SetEnabled(false);
    window->mHelpWhatsThis_Click();
    EXPECT_EQ(Runtime::HelpPopupWindow(), nullptr);
}

TEST(ContextHelp, EveryControlWithATopicHasItsTextAndThePopupMenusStartHidden)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    int withTopic = 0;
    for (const Runtime::Control* control : window->Controls()) {
        if (control->WhatsThisHelpID <= 0) continue;
        ++withTopic;
        EXPECT_FALSE(fwMain::BuiltInHelpText(control->WhatsThisHelpID).empty())
            << control->Name() << "(" << control->Index() << ") " << control->WhatsThisHelpID;
    }
    EXPECT_EQ(withTopic, 49) << "the window's design gives 49 controls a topic";
    for (long panel = 171; panel <= 177; ++panel) EXPECT_FALSE(fwMain::BuiltInHelpText(panel).empty()) << panel;
    EXPECT_FALSE(window->mEdit.Visible());
    EXPECT_FALSE(window->mHelp.Visible());
}

// A control that the compact mode hides cannot be used there: its topic
// does not send the user to the compact mode for it.
TEST(ContextHelp, NoTopicOfAControlHiddenInTheCompactModeSendsTheUserThere)
{
    LoadedMain window("[fwMain]\r\nchMode=0\r\n");
    ASSERT_TRUE(window.Loaded());
    ASSERT_FALSE(IsWindowVisible(window->cbRange.hWnd()));
    int hidden = 0;
    for (const Runtime::Control* control : window->Controls()) {
        if (control->WhatsThisHelpID <= 0 || !control->hWnd() || IsWindowVisible(control->hWnd())) continue;
        ++hidden;
        const std::wstring text = fwMain::BuiltInHelpText(control->WhatsThisHelpID);
        EXPECT_EQ(text.find(L"compact mode"), std::wstring::npos)
            << control->Name() << " " << control->WhatsThisHelpID;
    }
    EXPECT_GT(hidden, 0);
    // The sub-range box's topic says what the box does.
    const std::wstring box = fwMain::BuiltInHelpText(window->cbRange.WhatsThisHelpID);
    EXPECT_NE(box.find(L"block"), std::wstring::npos) << box.c_str();
}

TEST(HelpTopics, TheSourceIsReadSafely)
{
    const std::string source =
        "# a note\n"
        "text before any topic\n"
        "[101] Fonts \r\n"
        "The installed\r\n"
        "  fonts.\n"
        "\n"
        "\n"
        "Second paragraph.\n"
        "[0] Zero is no topic\n"
        "dropped\n"
        "[12a] not a number\n"
        "dropped\n"
        "[] empty\n"
        "[99999999999] too large\n"
        "dropped\n"
        "[101] Twice\n"
        "dropped\n"
        "[7]\n"
        "# notes inside a topic are skipped\n"
        "caf\xC3\xA9";
    const auto topics = ParseHelpTopics(source);
    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics.at(101).Title, L"Fonts");
    EXPECT_EQ(topics.at(101).Text, L"The installed fonts.\r\n\r\nSecond paragraph.");
    EXPECT_EQ(topics.at(7).Title, L"");
    EXPECT_EQ(topics.at(7).Text, L"caf??");
    EXPECT_TRUE(ParseHelpTopics("").empty());
    EXPECT_TRUE(ParseHelpTopics(std::string("[5", 2)).empty());
}

} // namespace
