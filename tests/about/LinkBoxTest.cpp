// The link label in a real window: what a click opens, the hover underline
// and its timer, the layout, change reports and the persisted properties.
#include "about/LinkBox.h"
#include "about/ShellOpen.h"
#include "runtime/Form.h"
#include "runtime/RuntimeError.h"
#include "tests/runtime/WaitFor.h"
#include "tests/servers/ComTestObjects.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class LinkHost : public Runtime::Form {
public:
    LinkHost() : Form(L"fwLinkHost") {}
    LinkBox tlLink{this, nullptr, L"tlLink"};

protected:
    void CreateControls() override
    {
        Move(200, 200, 300, 120);
        tlLink.Create(10, 10, 200, 30);
    }
};

// Records the shell's openings for the life of a test.
class ShellRecorder {
public:
    explicit ShellRecorder(std::vector<std::wstring>& log)
    {
        About::SetShellOpenForTests([&log](const std::wstring& target) { log.push_back(L"open " + target); });
    }
    ~ShellRecorder() { About::SetShellOpenForTests(nullptr); }
};

class LinkBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.Load());
        form.Show();
        link.Click = [this] { log.push_back(L"Click"); };
        link.PropertyChanged = [this](const std::wstring& name) { changes.push_back(name); };
    }
    void ClickLabel()
    {
        HWND label = link.tlCaption.hWnd();
        SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        TestWait::PumpFor(20);
    }
    bool Underlined() const { return link.tlCaption.Font().Underline; }

    LinkHost form;
    LinkBox& link = form.tlLink;
    std::vector<std::wstring> log;
    std::vector<std::wstring> changes;
    ShellRecorder shell{log};
};

TEST_F(LinkBoxTest, ClickRaisesClickThenOpensTheChosenTarget)
{
    struct {
        const char* name;
        const wchar_t* caption;
        const wchar_t* path;
        bool captionIsPath;
        std::vector<std::wstring> expected;
    } cases[] = {
        {"path, caption is not the path", L"Our site", L"https://example.org/p/", false,
         {L"Click", L"open https://example.org/p/"}},
        {"mail caption opened although a path is set", L"mailto:a@example.org", L"https://example.org/", true,
         {L"Click", L"open mailto:a@example.org"}},
        {"no path, caption is not the path", L"Caption", L"", false, {L"Click"}},
        {"empty caption that is the path", L"", L"https://example.org/", true, {L"Click"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        link.SetCaption(c.caption);
        link.SetPath(c.path);
        link.SetCaptionIsPath(c.captionIsPath);
        // An empty caption still leaves a label to click.
        link.tlCaption.Move(0, 0, 50, 20);
        ClickLabel();
        EXPECT_EQ(log, c.expected);
    }
}

// The pointer is the display's: cases that move it run alone.
class LinkBoxPointerFocus : public LinkBoxTest {};

TEST_F(LinkBoxPointerFocus, HoverUnderlinesAndLeavingTakesTheUnderlineOff)
{
    link.SetCaption(L"https://example.org");
    Runtime::FontSpec underlined = link.Font();
    underlined.Underline = true;
    link.SetHotTracking(false);
    link.SetFont(underlined);
    EXPECT_TRUE(Underlined());
    link.SetHotTracking(true);
    EXPECT_FALSE(Underlined()) << "turning hot tracking on takes the underline off at once";

    RECT box{};
    GetWindowRect(link.hWnd(), &box);
    SetCursorPos(box.left + 3, box.top + 3);
    SendMessageW(link.tlCaption.hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(Underlined());
    EXPECT_TRUE(link.toHotTracking.Running());
    TestWait::PumpFor(250);
    EXPECT_TRUE(Underlined()) << "the pointer is still over the link";

    SetCursorPos(box.right + 40, box.bottom + 40);
    EXPECT_TRUE(TestWait::PumpUntil([&] { return !Underlined(); }, 2000));
    EXPECT_FALSE(link.toHotTracking.Running());
}

TEST_F(LinkBoxTest, WithoutHotTrackingAMoveLeavesTheTextAndIsStillRaised)
{
    int moves = 0;
    Runtime::MouseArgs seen;
    link.MouseMove = [&](const Runtime::MouseArgs& args) { ++moves, seen = args; };
    link.SetHotTracking(false);
    SendMessageW(link.tlCaption.hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(7, 4));
    EXPECT_FALSE(Underlined());
    EXPECT_FALSE(link.toHotTracking.Running());
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(seen.X, 7);
    EXPECT_EQ(seen.Y, 4);
}

TEST_F(LinkBoxTest, LabelMouseAndControlKeysAreRaisedAgain)
{
    std::vector<std::wstring> events;
    link.MouseDown = [&](const Runtime::MouseArgs& a) { events.push_back(L"down " + std::to_wstring(a.X)); };
    link.MouseUp = [&](const Runtime::MouseArgs& a) { events.push_back(L"up " + std::to_wstring(a.Y)); };
    link.KeyDown = [&](int& key, int) { events.push_back(L"key " + std::to_wstring(key)); };
    link.KeyPress = [&](int& ch) { events.push_back(L"press " + std::to_wstring(ch)); };
    link.KeyUp = [&](int& key, int) { events.push_back(L"keyup " + std::to_wstring(key)); };
    SendMessageW(link.tlCaption.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
    SendMessageW(link.tlCaption.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
    SendMessageW(link.hWnd(), WM_KEYDOWN, 'A', 0);
    SendMessageW(link.hWnd(), WM_CHAR, 'a', 0);
    SendMessageW(link.hWnd(), WM_KEYUP, 'A', 0);
    EXPECT_EQ(events, (std::vector<std::wstring>{L"down 5", L"up 6", L"key 65", L"press 97", L"keyup 65"}));
}

TEST_F(LinkBoxTest, AutoSizeFollowsTheTextOtherwiseTheLabelFillsTheControl)
{
    link.SetAutoSize(true);
    link.SetCaption(L"short");
    int shortWidth = link.Width();
    link.SetCaption(L"a much longer caption than before");
    EXPECT_GT(link.Width(), shortWidth);
    EXPECT_EQ(link.Width(), link.tlCaption.Width());
    EXPECT_EQ(link.Height(), link.tlCaption.Height());

    link.SetAutoSize(false);
    link.Move(10, 10, 180, 40);
    EXPECT_EQ(link.tlCaption.Left(), 0);
    EXPECT_EQ(link.tlCaption.Width(), 180);
    EXPECT_EQ(link.tlCaption.Height(), 40);
}

TEST_F(LinkBoxTest, WritesReportTheirChangeAndUnchangedValuesReportNothing)
{
    link.SetCaption(L"Text");
    link.SetAlignment(1);
    changes.clear();
    link.SetCaption(L"Text");
    link.SetAlignment(1);
    link.SetFont(link.Font());
    EXPECT_TRUE(changes.empty());

    link.SetCaption(L"Other");
    link.SetAlignment(2);
    link.SetPath(L"x");
    link.SetHotTracking(true);
    link.SetCaptionIsPath(false);
    link.SetEnabled(true);
    link.SetForeColor(RGB(1, 2, 3));
    EXPECT_EQ(changes, (std::vector<std::wstring>{L"Caption", L"Alignment", L"Path", L"HotTracking",
                                                  L"CaptionIsPath", L"Enabled", L"ForeColor"}));
}

TEST_F(LinkBoxTest, VersionAndTextMeasures)
{
    EXPECT_EQ(LinkBox::Version(), L" 1.00"); // the test program carries the program's version 1.0.0.0
    EXPECT_GT(link.TextWidth(L"WWWW"), link.TextWidth(L"W"));
    EXPECT_GT(link.TextHeight(L"W\r\nW"), link.TextHeight(L"W"));
}

TEST_F(LinkBoxTest, PropertiesWrittenAllTenAndReadBack)
{
    link.SetAlignment(2);
    link.SetAutoSize(true);
    link.SetCaption(L"mailto:x@example.org");
    link.SetCaptionIsPath(false);
    link.SetPath(L"https://example.org/");
    link.SetHotTracking(false);
    Runtime::FontSpec font;
    font.Name = L"Tahoma";
    font.Size = 12;
    font.Bold = true;
    link.SetFont(font);
    TestSupport::PropertyBagStub bag;
    link.WriteProperties(&bag);
    EXPECT_EQ(bag.Keys(), (std::vector<std::wstring>{L"Alignment", L"AutoSize", L"BackColor", L"Caption",
                                                     L"CaptionIsPath", L"Enabled", L"Font", L"ForeColor",
                                                     L"HotTracking", L"Path"}));

    LinkHost other;
    ASSERT_TRUE(other.Load());
    other.tlLink.ReadProperties(&bag);
    EXPECT_EQ(other.tlLink.Alignment(), 2);
    EXPECT_TRUE(other.tlLink.AutoSize());
    EXPECT_EQ(other.tlLink.Caption(), L"mailto:x@example.org");
    EXPECT_FALSE(other.tlLink.CaptionIsPath());
    EXPECT_EQ(other.tlLink.Path(), L"https://example.org/");
    EXPECT_FALSE(other.tlLink.HotTracking());
    EXPECT_EQ(other.tlLink.Font().Name, L"Tahoma");
    EXPECT_NEAR(other.tlLink.Font().Size, 12.0, 0.01);
    EXPECT_TRUE(other.tlLink.Font().Bold);
}

// A key the bag refuses is reported, after every other key is saved.
TEST_F(LinkBoxTest, ARefusedKeyLeavesTheOthersSaved)
{
    link.SetPath(L"https://example.org/");
    const std::vector<std::wstring> all{L"Alignment", L"AutoSize", L"BackColor", L"Caption", L"CaptionIsPath",
                                        L"Enabled", L"Font", L"ForeColor", L"HotTracking", L"Path"};
    for (const std::wstring& refused : {std::wstring(L"Alignment"), std::wstring(L"Font")}) {
        SCOPED_TRACE(std::string(refused.begin(), refused.end()));
        TestSupport::PropertyBagStub bag;
        bag.refusedKeys = {refused};
        EXPECT_THROW(link.WriteProperties(&bag), Runtime::Error);
        std::vector<std::wstring> expected;
        for (const std::wstring& key : all)
            if (key != refused) expected.push_back(key);
        EXPECT_EQ(bag.Keys(), expected);
    }
}

TEST_F(LinkBoxTest, MissingOrUnreadableKeysGiveTheDefaults)
{
    TestSupport::PropertyBagStub bag;
    bag.SetText(L"Alignment", L"centre please");
    bag.SetText(L"Font", L"not a font");
    bag.SetText(L"HotTracking", L"maybe");
    bag.SetText(L"Caption", L"kept");
    link.SetCaptionIsPath(false);
    link.SetHotTracking(false);
    link.SetAlignment(1);
    Runtime::FontSpec before = link.Font();
    link.ReadProperties(&bag);
    EXPECT_EQ(link.Alignment(), 0);
    EXPECT_FALSE(link.AutoSize());
    EXPECT_TRUE(link.CaptionIsPath());
    EXPECT_TRUE(link.HotTracking());
    EXPECT_TRUE(link.Enabled());
    EXPECT_EQ(link.Caption(), L"kept");
    EXPECT_EQ(link.Font(), before);
}

} // namespace

namespace {

TEST_F(LinkBoxTest, LabelTakesTheFormsHelpIdAndToolTip)
{
    link.WhatsThisHelpID = 7;
    static_cast<Runtime::Control&>(link).SetToolTipText(L"given by the form");
    link.SetVisible(true);
    EXPECT_EQ(link.tlCaption.WhatsThisHelpID, 7);
    EXPECT_EQ(link.tlCaption.ToolTipText(), L"given by the form");
    link.SetToolTipText(L"own text");
    EXPECT_EQ(link.tlCaption.ToolTipText(), L"own text");
    link.SetToolTipText();
    EXPECT_EQ(link.tlCaption.ToolTipText(), L"given by the form");
}

} // namespace
