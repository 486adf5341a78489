// The copy box and its preview in the real window: what arrives in the box
// (typed, pasted, written by the program) stays as it came, the preview
// shows the box in every output form, the preview cannot be typed into,
// and the box and the picture-size box each undo to their own text.
#include "tests/mainwin/ChooseForm.h"
#include "tests/mainwin/LoadedMain.h"

#include <ole2.h>

#include <functional>

#include <gtest/gtest.h>

#include "common/CodePage.h"
#include "runtime/Clipboard.h"
#include "tests/chardata/ClipboardFixture.h"
#include "tests/mainwin/SearchDriving.h"

namespace {

using MainWinTest::ChooseForm;
using MainWinTest::LoadedMain;
using MainWinTest::PressKey;
using MainWinTest::TypeChars;

constexpr int kShift = Runtime::ShiftMask, kCtrl = Runtime::CtrlMask, kAlt = Runtime::AltMask;

// A key with the character the keyboard makes of it (none when 0).
void PressKey(HWND wnd, int keyCode, int shift, wchar_t character)
{
    PressKey(wnd, keyCode, shift);
    if (character) SendMessageW(wnd, WM_CHAR, character, 1);
}

// The text the preview shows for bytes of the clipboard's ANSI text format.
std::wstring Shown(const std::string& bytes)
{
    return Common::BytesToString(bytes);
}

std::vector<std::wstring> Rows(Runtime::ComboBox& box)
{
    std::vector<std::wstring> rows;
    for (int i = 0; i < box.ListCount(); ++i) rows.push_back(box.List(i));
    return rows;
}

TEST(CopyBox, ThePreviewShowsTheBoxInEveryForm)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    window->cbCharSet.SetListIndex(8); // "Western European (Windows)"
    window->tbCopy.SetText(L"\u00E9\u20AC");
    const std::wstring name1(window->CharNames.GetCharName(0xE9)), name2(window->CharNames.GetCharName(0x20AC));
    ASSERT_FALSE(name1.empty());

    struct Case {
        int format;
        bool enabled;
        std::wstring text;              // the preview's text (forms without rows)
        std::vector<std::wstring> rows; // the preview's rows (character names)
    };
    const Case cases[] = {
        {0, false, L"", {}},
        {1, true, L"{\\rtf1\\ansi\\f0\\u233?\\u8364?}", {}},
        {2, true, L"%e9%E2%82%AC", {}},
        {3, true, Shown("\xC3\xA9\xE2\x82\xAC"), {}},
        {4, true, L"+AOk-+IKw-", {}}, // each character on its own
        {5, true, L"\\u00e9\\u20ac", {}},
        {6, true, L"&#x00e9;&#x20ac;", {}},
        {7, true, L"&#233;&#8364;", {}},
        {8, true, Shown("\xE9\x80"), {}},
        {9, true, name1, {name1, name2}},
        {10, false, L"", {}},
    };
    for (const Case& c : cases) {
        ChooseForm(window, c.format);
        EXPECT_EQ(window->cbPreview.Enabled(), c.enabled) << "form " << c.format;
        EXPECT_EQ(window->cbPreview.Text(), c.text) << "form " << c.format;
        EXPECT_EQ(Rows(window->cbPreview), c.rows) << "form " << c.format;
        EXPECT_EQ(window->cbPreview.ShowDropButton(), c.rows.size() >= 2) << "form " << c.format;
        EXPECT_EQ(window->chPreview.Enabled(), c.format == 8) << "form " << c.format;
    }
}

TEST(CopyBox, AnotherCodePageRowShowsThatCodePagesBytes)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    window->tbCopy.SetText(L"\u0410\u00E9");
    ChooseForm(window, 8);
    struct Case { int row; std::string bytes; };
    const Case cases[] = {
        {7, "\xC0?"},  // Cyrillic: no e acute
        {8, "?\xE9"},  // Western European: no Cyrillic A
    };
    for (const Case& c : cases) {
        window->cbCharSet.SetListIndex(c.row);
        EXPECT_EQ(window->cbPreview.Text(), Shown(c.bytes)) << "row " << c.row;
    }
}

TEST(CopyBox, TypedPastedAndProgramTextStaysAsItCame)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    HWND box = window->tbCopy.hWnd();

    // Typed: each character as the keyboard layout made it, at the caret.
    const std::wstring typed = L"a\u0410\u00C0\u20AC\u4E2D";
    TypeChars(box, typed);
    EXPECT_EQ(window->tbCopy.Text(), typed);
    EXPECT_EQ(window->tbCopy.SelStart(), static_cast<int>(typed.size()));

    // Typed in the middle: the caret stays after the new character.
    window->tbCopy.SetSelStart(1);
    TypeChars(box, L"\u0416");
    EXPECT_EQ(window->tbCopy.Text(), L"a\u0416\u0410\u00C0\u20AC\u4E2D");
    EXPECT_EQ(window->tbCopy.SelStart(), 2);

    // Pasted.
    {
        FormsTest::ClipboardLock lock;
        ASSERT_TRUE(lock.Held());
        Runtime::Clipboard::Clear();
        Runtime::Clipboard::SetText(std::wstring(L"\u00C0\u0410x"));
        window->tbCopy.SetText(L"");
        SendMessageW(box, WM_PASTE, 0, 0);
        EXPECT_EQ(window->tbCopy.Text(), L"\u00C0\u0410x");
    }

    // Written by the program (a cell's character appended).
    window->CopyNotTyped = true;
    window->tbCopy.SetText(window->tbCopy.Text() + L"\u00C1");
    EXPECT_EQ(window->tbCopy.Text(), L"\u00C0\u0410x\u00C1");
    EXPECT_FALSE(window->CopyNotTyped);
    // Even without the flag a program write is the text written.
    window->tbCopy.SetText(L"\u00C2\u00C3");
    EXPECT_EQ(window->tbCopy.Text(), L"\u00C2\u00C3");
}

// Text dragged from another program onto the box: the data object the
// system makes of the clipboard's content, dropped through the box's
// registered drop target.
TEST(CopyBox, DroppedTextGoesWhereItIsDropped)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    HWND box = window->tbCopy.hWnd();
    IDropTarget* target = window->tbCopyDrop.Target();
    ASSERT_TRUE(target);
    EXPECT_EQ(RegisterDragDrop(box, target), DRAGDROP_E_ALREADYREGISTERED) << "the box takes drops";

    FormsTest::ClipboardLock lock;
    ASSERT_TRUE(lock.Held());
    RECT client{};
    GetClientRect(box, &client);
    POINT start{1, client.bottom / 2}, end{client.right - 2, client.bottom / 2};
    ClientToScreen(box, &start);
    ClientToScreen(box, &end);

    struct Case {
        const char* what;
        std::function<void()> fill; // what the dragged data holds
        POINT at;
        int format;                 // the output form chosen
        std::wstring expected;
        DWORD effect;
    };
    const Case cases[] = {
        {"Unicode text at the start", [] { Runtime::Clipboard::SetText(std::wstring(L"\u0410\u00C0")); }, start, 7,
         L"\u0410\u00C0xy", DROPEFFECT_COPY},
        {"ANSI text at the end", [] { Runtime::Clipboard::SetText(std::string("abc")); }, end, 7, L"xyabc",
         DROPEFFECT_COPY},
        {"the first line of several", [] { Runtime::Clipboard::SetText(std::wstring(L"ab\r\ncd")); }, end, 7,
         L"xyab", DROPEFFECT_COPY},
        {"no text", [] { Runtime::Clipboard::SetData(CreateBitmap(2, 2, 1, 32, nullptr)); }, end, 7, L"xy",
         DROPEFFECT_NONE},
        {"a box that takes no text", [] { Runtime::Clipboard::SetText(std::wstring(L"q")); }, end, 11, L"\u0041",
         DROPEFFECT_NONE},
    };
    window->FillTable(0);
    window->CurrentCell = 0x41;
    for (const Case& c : cases) {
        ChooseForm(window, 0);
        window->tbCopy.SetText(L"xy");
        ChooseForm(window, c.format);
        const std::wstring before = window->tbCopy.Text();
        Runtime::Clipboard::Clear();
        c.fill();
        Runtime::ComPtr<IDataObject> data;
        ASSERT_EQ(OleGetClipboard(data.Put()), S_OK) << c.what;

        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        ASSERT_EQ(target->DragEnter(data.Get(), MK_LBUTTON, POINTL{c.at.x, c.at.y}, &effect), S_OK) << c.what;
        EXPECT_EQ(effect, c.effect) << c.what;
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        ASSERT_EQ(target->Drop(data.Get(), 0, POINTL{c.at.x, c.at.y}, &effect), S_OK) << c.what;
        EXPECT_EQ(effect, c.effect) << c.what;
        EXPECT_EQ(window->tbCopy.Text(), c.effect == DROPEFFECT_NONE ? before : c.expected) << c.what;
        if (c.format == 7 && c.effect != DROPEFFECT_NONE) {
            EXPECT_EQ(window->cbPreview.Text().empty(), false) << c.what;
            EXPECT_FALSE(window->CopyNotTyped) << c.what;
        }
    }
}

// Alt with the keypad digits of a code, Num Lock on: the character the
// system makes of them arrives when Alt goes up, and stays as it came.
TEST(CopyBox, AnAltKeypadCharacterStaysAsItCame)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    HWND box = window->tbCopy.hWnd();
    BYTE saved[256], state[256];
    GetKeyboardState(saved);
    GetKeyboardState(state);
    state[VK_NUMLOCK] = 0x01; // toggled on
    SetKeyboardState(state);
    for (int key : {VK_NUMPAD0, VK_NUMPAD2, VK_NUMPAD3, VK_NUMPAD3}) {
        PressKey(box, key, kAlt, 0);
        EXPECT_TRUE(window->CopyNotTyped) << "key " << key;
    }
    SendMessageW(box, WM_CHAR, 0x00E9, 1);
    SetKeyboardState(saved);
    EXPECT_EQ(window->tbCopy.Text(), L"\u00E9");
    EXPECT_FALSE(window->CopyNotTyped);

    // Without Num Lock the keypad keys move the caret: nothing is flagged.
    PressKey(box, VK_NUMPAD4, kAlt, 0);
    EXPECT_FALSE(window->CopyNotTyped);
}

TEST(CopyBox, CopyFollowsTheBoxAndResetEmptiesIt)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    EXPECT_FALSE(window->bbCopy.Enabled());
    TypeChars(window->tbCopy.hWnd(), L"x");
    EXPECT_TRUE(window->bbCopy.Enabled());
    ChooseForm(window, 7);
    EXPECT_EQ(window->cbPreview.Text(), L"&#120;");
    window->bbReset.SetValue(true);
    EXPECT_EQ(window->tbCopy.Text(), L"");
    EXPECT_FALSE(window->bbCopy.Enabled());
    EXPECT_EQ(window->cbPreview.Text(), L"");
}

// Each box undoes to the text it held when its own last key went down,
// whatever keys another box had meanwhile.
TEST(CopyBox, TheCopyBoxAndThePictureSizeBoxEachUndoToTheirOwnText)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    HWND copy = window->tbCopy.hWnd();
    HWND size = window->cbPicture.EditWindow();
    ASSERT_TRUE(size);

    window->tbCopy.SetText(L"\u0410");
    window->tbCopy.SetSelStart(1);
    TypeChars(copy, L"b");                 // last key of the copy box: its text was "А"
    window->cbPicture.SetText(L"12");
    window->cbPicture.SetSelStart(2);
    TypeChars(size, L"4");                 // last key of the size box: its text was "12"
    ASSERT_EQ(window->cbPicture.Text(), L"124");

    window->bbReset.SetValue(true);
    EXPECT_EQ(window->tbCopy.Tag, L"\u0410");
    PressKey(copy, 'Z', kCtrl, 26);
    EXPECT_EQ(window->tbCopy.Text(), L"\u0410");
    PressKey(copy, 'Z', kCtrl, 26);      // a second undo takes the first back
    EXPECT_EQ(window->tbCopy.Text(), L"");

    PressKey(size, VK_BACK, kAlt, 0);        // Alt+Backspace undoes too
    EXPECT_EQ(window->cbPicture.Text(), L"12");
    EXPECT_EQ(window->cbPicture.Tag, L"124");
    EXPECT_EQ(window->tbCopy.Text(), L"");
}

TEST(CopyBox, ThePreviewCannotBeTypedOrPastedInto)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    window->tbCopy.SetText(L"AB");
    ChooseForm(window, 6);
    const std::wstring shown = L"&#x0041;&#x0042;";
    ASSERT_EQ(window->cbPreview.Text(), shown);
    HWND edit = window->cbPreview.EditWindow();
    ASSERT_TRUE(edit);

    FormsTest::ClipboardLock lock;
    ASSERT_TRUE(lock.Held());
    Runtime::Clipboard::Clear();
    Runtime::Clipboard::SetText(std::wstring(L"pasted"));

    struct Key { const char* what; int key; int shift; wchar_t character; };
    const Key kept[] = {
        {"a letter", 'Q', 0, L'q'},
        {"a shifted letter", 'Q', kShift, L'Q'},
        {"Backspace", VK_BACK, 0, 8},
        {"Delete", VK_DELETE, 0, 0},
        {"Shift+Insert", VK_INSERT, kShift, 0},
        {"Ctrl+V", 'V', kCtrl, 22},
        {"Space", VK_SPACE, 0, L' '},
    };
    for (const Key& k : kept) {
        window->cbPreview.SetSelStart(3);
        PressKey(edit, k.key, k.shift, k.character);
        EXPECT_EQ(window->cbPreview.Text(), shown) << k.what;
    }

    // Moving about and copying work.
    window->cbPreview.SetSelStart(0);
    PressKey(edit, VK_END, 0, 0);
    EXPECT_EQ(window->cbPreview.SelStart(), static_cast<int>(shown.size()));
    PressKey(edit, VK_LEFT, 0, 0);
    EXPECT_EQ(window->cbPreview.SelStart(), static_cast<int>(shown.size()) - 1);
    PressKey(edit, 'A', kCtrl, 1);
    window->cbPreview.SetSelStart(0);
    window->cbPreview.SetSelLength(static_cast<int>(shown.size()));
    PressKey(edit, 'C', kCtrl, 3);
    EXPECT_EQ(Runtime::Clipboard::GetUnicodeText(), shown);
}

TEST(CopyBox, ChoosingAnotherNameRowOfThePreviewGoesBackToTheFirst)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    window->tbCopy.SetText(L"AB");
    ChooseForm(window, 9);
    ASSERT_EQ(window->cbPreview.ListCount(), 2);
    window->cbPreview.SetListIndex(1);
    EXPECT_EQ(window->cbPreview.ListIndex(), 0);
}

TEST(CopyBox, ThePreviewTakesTheCodePagesCharacterSetWhenAsked)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    const int own = window->Font().Charset;
    window->cbCharSet.SetListIndex(7); // Cyrillic: character set 204
    struct Case { int format; int checked; int charset; };
    const Case cases[] = {
        {8, 1, 204},
        {8, 0, own},
        {3, 1, own},  // UTF-8 is never shown in a code page's character set
        {2, 1, 204},
    };
    for (const Case& c : cases) {
        ChooseForm(window, c.format);
        window->chPreview.SetValue(c.checked);
        EXPECT_EQ(window->cbPreview.Font().Charset, c.charset) << "form " << c.format << " checked " << c.checked;
    }
    window->cbCharSet.SetListIndex(1); // Japanese: 128
    ChooseForm(window, 8);
    window->chPreview.SetValue(1);
    EXPECT_EQ(window->cbPreview.Font().Charset, 128);
}

// A long paste: the box takes all of it (no limit of its own below the
// system's), and what Copy then puts on the clipboard is all of it too.
TEST(CopyBox, ALongPasteIsKeptWhole)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    HWND box = window->tbCopy.hWnd();
    std::wstring pasted;
    for (std::size_t i = 0; pasted.size() < 100000; ++i)
        pasted += static_cast<wchar_t>(i % 5 == 4 ? L' ' : 0x0410 + (i * 7) % 0x40);

    FormsTest::ClipboardLock lock;
    ASSERT_TRUE(lock.Held());
    Runtime::Clipboard::Clear();
    Runtime::Clipboard::SetText(pasted);
    window->tbCopy.SetFocus();
    PressKey(box, 'V', kCtrl, 22);
    EXPECT_EQ(window->tbCopy.Text().size(), pasted.size());
    EXPECT_TRUE(window->tbCopy.Text() == pasted);

    // Typing goes on after it.
    TypeChars(box, L"z");
    EXPECT_EQ(window->tbCopy.Text().size(), pasted.size() + 1);

    Runtime::Clipboard::Clear();
    ChooseForm(window, 0);
    SendMessageW(window->bbCopy.hWnd(), BM_CLICK, 0, 0);
    EXPECT_TRUE(Runtime::Clipboard::GetUnicodeText() == pasted + L"z");
}

} // namespace
