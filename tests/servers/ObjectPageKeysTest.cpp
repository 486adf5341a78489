// The Object page's combo box worked by the user: keys released in its edit
// part (sent to the real window with their shift state, the clipboard read
// back under the machine-wide clipboard lock), typed text, and the choice
// of an object another control hooks; the entry shown, the page's changed
// state and what Apply writes.
#include "tests/servers/PageFixture.h"

#include <optional>

#include "tests/chardata/ClipboardFixture.h"

namespace {

using namespace TestSupport;

constexpr int kShift = 1, kCtrl = 2;

class ObjectPageKeys : public PageFixture {
protected:
    // The form "fwMain" with cmdOk and ucSecond, a second Latchet that
    // hooks txtName; the control hooks the form ("Me").
    void SetUp() override
    {
        PageFixture::SetUp();
        host.emplace(L"fwMain", window);
        site.userMode = false;
        button.SetText(L"Name", L"cmdOk");
        button.SetWindow(NewWindow());
        text.SetText(L"Name", L"txtName");
        text.SetWindow(NewWindow());
        second.SetText(L"Name", L"ucSecond");
        second.SetText(L"HookedObject", L"txtName");
        host->AddControl(button);
        host->AddControl(text);
        host->AddControl(second);
        site.extender.SetText(L"Name", L"ucLatchet");
        site.extender.SetObject(L"Parent", &host->form);
        Put(L"HookedObject", TextArg(L"Me"));
        OpenPage(kObjectPageId);
        combo = ChildOf(pageWindow, L"ComboBox");
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof parts;
        ASSERT_TRUE(GetComboBoxInfo(combo, &parts));
        edit = parts.hwndItem;
        ASSERT_NE(edit, nullptr);
        ASSERT_EQ(WindowText(combo), L"Me");
        ASSERT_EQ(ComboItem(combo, 3), L"txtName [guided by ucSecond]");
    }
    void Release(int key, int shift) { SendKey(edit, WM_KEYUP, key, shift); }

    std::optional<FakeForm> host; // on the test window, made in SetUp
    FakeObject button, text, second;
    HWND combo = nullptr;
    HWND edit = nullptr;
};

TEST_F(ObjectPageKeys, KeysReleasedClearCopyAndFindTheEntry)
{
    FormsTest::ClipboardLock lock;
    ASSERT_TRUE(lock.Held());
    struct Case {
        const char* name;
        const char* clipboardBefore;
        int key, shift;
        const wchar_t* shown;
        const char* clipboardAfter;
        bool dirty;
    } cases[] = {
        {"Delete", "", VK_DELETE, 0, L"(None)", "", true},
        {"Shift+Delete is no command", "", VK_DELETE, kShift, L"Me", "", false},
        {"Ctrl+C", "", 'C', kCtrl, L"Me", "Me", false},
        {"Ctrl+Insert", "", VK_INSERT, kCtrl, L"Me", "Me", false},
        {"Ctrl+X", "", 'X', kCtrl, L"(None)", "Me", true},
        {"Ctrl+V finds an entry, letter case ignored", "CMDOK", 'V', kCtrl, L"cmdOk", "CMDOK", true},
        {"Shift+Insert finds an entry", "cmdOk", VK_INSERT, kShift, L"cmdOk", "cmdOk", true},
        {"a text no entry has changes nothing", "cmdCancel", 'V', kCtrl, L"Me", "cmdCancel", false},
        {"a part of an entry changes nothing", "cmd", 'V', kCtrl, L"Me", "cmd", false},
        {"a guided entry falls back to (None)", "txtName [guided by ucSecond]", 'V', kCtrl, L"(None)",
         "txtName [guided by ucSecond]", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChooseItem(combo, 1); // "Me", the control's value: unchanged
        ASSERT_EQ(page->IsPageDirty(), S_FALSE);
        Runtime::Clipboard::Clear();
        if (*c.clipboardBefore) Runtime::Clipboard::SetText(c.clipboardBefore);
        Release(c.key, c.shift);
        EXPECT_EQ(WindowText(combo), c.shown);
        EXPECT_EQ(Runtime::Clipboard::GetText(), c.clipboardAfter);
        EXPECT_EQ(page->IsPageDirty(), c.dirty ? S_OK : S_FALSE);
    }
}

TEST_F(ObjectPageKeys, CopyLeavesTheClipboardsOtherFormats)
{
    FormsTest::ClipboardLock lock;
    ASSERT_TRUE(lock.Held());
    const UINT mark = RegisterClipboardFormatW(L"Orlenta.Tests.Mark");
    Runtime::Clipboard::Clear();
    Runtime::Clipboard::SetText("kept", static_cast<long>(mark));
    Release('C', kCtrl);
    EXPECT_EQ(Runtime::Clipboard::GetText(), "Me");
    EXPECT_EQ(Runtime::Clipboard::GetText(static_cast<long>(mark)), "kept");
}

TEST_F(ObjectPageKeys, TypedTextMakesNoneCurrentAndApplyUnhooks)
{
    SendMessageW(edit, WM_CHAR, L'x', 1);
    EXPECT_EQ(WindowText(combo), L"(None)");
    EXPECT_EQ(page->IsPageDirty(), S_OK);
    ASSERT_EQ(page->Apply(), S_OK);
    EXPECT_EQ(Text(L"HookedObject"), L"(None)");
}

TEST_F(ObjectPageKeys, AGuidedChoiceFallsBackToNoneAndApplyWritesIt)
{
    ChooseItem(combo, 3);
    EXPECT_EQ(WindowText(combo), L"(None)");
    EXPECT_EQ(page->IsPageDirty(), S_OK);
    ASSERT_EQ(page->Apply(), S_OK);
    EXPECT_EQ(Text(L"HookedObject"), L"(None)");
}

TEST_F(ObjectPageKeys, AClipboardAnotherProgramHoldsLeavesTheEntryAsItWas)
{
    FormsTest::ClipboardLock lock;
    ASSERT_TRUE(lock.Held());
    Runtime::Clipboard::Clear();
    Runtime::Clipboard::SetText("cmdOk");
    FormsTest::ClipboardHolder holder(20000);
    ASSERT_TRUE(holder.Held());
    // Ctrl+X copies nothing and so clears nothing; Ctrl+V finds nothing.
    const std::pair<int, int> keys[] = {{'C', kCtrl}, {'X', kCtrl}, {'V', kCtrl}};
    for (auto [key, shift] : keys) {
        SCOPED_TRACE(key);
        Release(key, shift);
        EXPECT_EQ(WindowText(combo), L"Me");
        EXPECT_EQ(page->IsPageDirty(), S_FALSE);
    }
    holder.Release();
    EXPECT_EQ(Runtime::Clipboard::GetText(), "cmdOk");
}

TEST_F(ObjectPageKeys, ACopyTheSystemRefusesLeavesTheEntryAsItWas)
{
    RefusedServerClipboard clipboard;
    ASSERT_TRUE(clipboard.Ready());
    // Ctrl+X copies nothing, and so takes nothing away.
    const std::pair<int, int> keys[] = {{'C', kCtrl}, {VK_INSERT, kCtrl}, {'X', kCtrl}};
    for (auto [key, shift] : keys) {
        SCOPED_TRACE(key);
        Release(key, shift);
        EXPECT_EQ(WindowText(combo), L"Me");
        EXPECT_EQ(page->IsPageDirty(), S_FALSE);
    }
    EXPECT_EQ(Runtime::Clipboard::GetText(), "kept");
}

} // namespace
