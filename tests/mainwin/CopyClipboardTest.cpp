// The Copy button with the real clipboard, in every output form: the ANSI
// bytes of the text forms (of text beyond the BMP too), Unicode text, rich
// text in the chosen colour, a bitmap of the glyphs side by side, and the
// chosen entity.
#include "tests/mainwin/ChooseForm.h"
#include "tests/mainwin/LoadedMain.h"

#include <richedit.h>

#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

#include "chardata/CopyPicture.h"
#include "common/CodePage.h"
#include "runtime/Clipboard.h"
#include "tests/chardata/BeyondBmpCopyTexts.h"
#include "tests/chardata/ClipboardFixture.h"

namespace {

using MainWinTest::ChooseForm;
using MainWinTest::LoadedMain;
namespace Clipboard = Runtime::Clipboard;

// Clicks Copy as the user does (a disabled button takes no click).
void ClickCopy(LoadedMain& window)
{
    SendMessageW(window->bbCopy.hWnd(), BM_CLICK, 0, 0);
}

std::string Ansi(const std::wstring& text)
{
    int n = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    return bytes;
}

// The text a rich edit control reads out of rich text.
std::wstring RichTextAsText(const std::string& rtf)
{
    LoadLibraryW(L"Msftedit.dll");
    HWND edit = CreateWindowExW(0, MSFTEDIT_CLASS, L"", WS_POPUP | ES_MULTILINE, 0, 0, 100, 100, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!edit) return L"(no rich edit control)";
    SETTEXTEX how{ST_DEFAULT, CP_ACP};
    SendMessageW(edit, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how), reinterpret_cast<LPARAM>(rtf.c_str()));
    std::wstring text = Runtime::WindowText(edit);
    DestroyWindow(edit);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n')) text.pop_back();
    return text;
}

class CopyButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lock_.Held());
        ASSERT_TRUE(window_.Loaded());
        window_->cbCharSet.SetListIndex(8); // "Western European (Windows)"
        window_->tbCopy.SetText(L"\u00E9\u20AC");
        Clipboard::Clear();
    }

    FormsTest::ClipboardLock lock_;
    LoadedMain window_;
};

TEST_F(CopyButton, TextFormsGoOnTheClipboardAsTheirAnsiBytes)
{
    const std::string names = Ansi(std::wstring(window_->CharNames.GetCharName(0xE9)) + L"\r\n" +
                                   std::wstring(window_->CharNames.GetCharName(0x20AC)) + L"\r\n");
    struct Case { int format; std::string bytes; };
    const Case cases[] = {
        {2, "%e9%E2%82%AC"},
        {3, "\xC3\xA9\xE2\x82\xAC"},
        {4, "+AOk-+IKw-"}, // each character on its own
        {5, "\\u00e9\\u20ac"},
        {6, "&#x00e9;&#x20ac;"},
        {7, "&#233;&#8364;"},
        {8, "\xE9\x80"},
        {9, names},
    };
    for (const Case& c : cases) {
        Clipboard::Clear();
        ChooseForm(window_, c.format);
        ClickCopy(window_);
        EXPECT_EQ(Clipboard::GetText(Clipboard::FormatText), c.bytes) << "form " << c.format;
    }
}

// Text pasted from another program with characters beyond the BMP or
// unpaired surrogates: each text form copies what the table of copy texts
// holds, the names one per code unit, and the preview shows what Copy
// wrote.
TEST_F(CopyButton, TextBeyondTheBmpIsCopiedInEachFormAsItsReadersTakeIt)
{
    using CharData::OutputFormat;
    const OutputFormat forms[] = {OutputFormat::PercentEscape, OutputFormat::UTF8, OutputFormat::UTF7,
                                  OutputFormat::UCN, OutputFormat::NCRHex, OutputFormat::NCRDec,
                                  OutputFormat::CodePage, OutputFormat::CharName};
    for (const FormsTest::BeyondBmpCase& c : FormsTest::kBeyondBmpCases) {
        Clipboard::SetText(c.copy);
        window_->tbCopy.SetText(L"");
        SendMessageW(window_->tbCopy.hWnd(), WM_PASTE, 0, 0);
        ASSERT_EQ(window_->tbCopy.Text(), c.copy) << c.what;
        std::string names;
        for (wchar_t unit : c.copy) names += Ansi(std::wstring(window_->CharNames.GetCharName(unit))) + "\r\n";
        for (OutputFormat format : forms) {
            const int f = static_cast<int>(format);
            ChooseForm(window_, f);
            Clipboard::Clear();
            ClickCopy(window_);
            const std::string copied = Clipboard::GetText(Clipboard::FormatText);
            const std::string& expected = format == OutputFormat::CharName ? names : *c.In(format);
            EXPECT_EQ(copied, expected) << c.what << ", form " << f;
            const std::wstring shown = Common::BytesToString(copied);
            if (format == OutputFormat::CharName) {
                EXPECT_EQ(window_->cbPreview.ListCount(), static_cast<int>(c.copy.size())) << c.what;
                EXPECT_EQ(window_->cbPreview.Text() + L"\r\n", shown.substr(0, shown.find(L"\r\n") + 2)) << c.what;
            } else {
                EXPECT_EQ(window_->cbPreview.Text(), shown) << c.what << ", form " << f;
            }
        }
        ChooseForm(window_, static_cast<int>(OutputFormat::RTF));
        EXPECT_EQ(window_->cbPreview.Text(), Common::BytesToString(c.rtf)) << c.what;
    }
}

TEST_F(CopyButton, CodePageFormTakesTheChosenRowAndItsDefaultCharacter)
{
    window_->tbCopy.SetText(L"\u0410\u00E9");
    ChooseForm(window_, 8);
    struct Case { int row; std::string bytes; };
    const Case cases[] = {{7, "\xC0?"}, {8, "?\xE9"}, {13, "?\xE9"}};
    for (const Case& c : cases) {
        window_->cbCharSet.SetListIndex(c.row);
        ClickCopy(window_);
        EXPECT_EQ(Clipboard::GetText(Clipboard::FormatText), c.bytes) << "row " << c.row;
    }
}

// The copy leaves the focus in the copy box, so this case runs alone.
class CopyButtonFocus : public CopyButton {};

TEST_F(CopyButtonFocus, UnicodeFormCopiesTheWholeBoxAsUnicodeText)
{
    ChooseForm(window_, 0);
    window_->tbCopy.SetSelStart(1);
    ClickCopy(window_);
    EXPECT_EQ(Clipboard::GetUnicodeText(), L"\u00E9\u20AC");
    EXPECT_TRUE(window_->tbCopy.HasFocus());
    EXPECT_EQ(window_->tbCopy.SelLength(), 2);
}

TEST_F(CopyButton, RtfFormCopiesRichTextInTheChosenColour)
{
    ChooseForm(window_, 1);
    window_->tlView.SetForeColor(0x0000FF); // red
    ClickCopy(window_);
    const std::string rtf = Clipboard::GetText(Clipboard::FormatRTF);
    ASSERT_EQ(rtf.rfind("{\\rtf", 0), 0u) << rtf;
    EXPECT_NE(rtf.find("{\\colortbl;\\red255\\green0\\blue0;}\\cf1"), std::string::npos) << rtf;
    EXPECT_EQ(RichTextAsText(rtf), L"\u00E9\u20AC");
}

// The table's own copy (Ctrl+C on the current cell) in a window whose rich
// text box has not been made yet: the first rich text copy makes it.
TEST_F(CopyButton, TableCopyInRtfFormCopiesTheCurrentCharacterAsRichText)
{
    ChooseForm(window_, 1);
    window_->tlCell_Click(0x41);
    const std::int32_t code = window_->CellCode(window_->CurrentCell);
    ASSERT_GT(code, 0x20);
    window_->pbTable_KeyDown('C', Runtime::CtrlMask);
    const std::string rtf = Clipboard::GetText(Clipboard::FormatRTF);
    ASSERT_EQ(rtf.rfind("{\\rtf", 0), 0u) << rtf;
    EXPECT_EQ(RichTextAsText(rtf), std::wstring(1, static_cast<wchar_t>(code)));
}

TEST_F(CopyButton, PictureFormCopiesABitmapOfTheGlyphsSideBySide)
{
    ChooseForm(window_, 10);
    ASSERT_TRUE(window_->cbPicture.Enabled());

    // The expected size: each glyph's cell (its advance, or its ink when
    // wider) in the copy font at the given size, side by side.
    auto expected = [&](const std::wstring& text, double points) {
        Runtime::FontSpec sized = window_->pbCopy.Font();
        sized.Size = points;
        Runtime::ScopedFont font = Runtime::CreateScreenFont(sized);
        Runtime::ScopedGetDC dc(nullptr);
        Runtime::ScopedSelect selected(dc.Get(), font.Get());
        SIZE total{0, 0};
        for (wchar_t c : text) {
            SIZE extent{};
            GetTextExtentPoint32W(dc.Get(), &c, 1, &extent);
            ABC abc{};
            long cell = extent.cx;
            if (GetCharABCWidthsW(dc.Get(), c, c, &abc))
                cell = std::max<long>(cell, std::abs(abc.abcA) + static_cast<long>(abc.abcB) + std::abs(abc.abcC));
            total.cx += cell;
            total.cy = std::max(total.cy, extent.cy);
        }
        return total;
    };

    // A size above the limit of 500 points draws at the limit.
    struct Case { const wchar_t* text; const wchar_t* size; double points; };
    const Case cases[] = {{L"H", L"12", 12}, {L"HH", L"12", 12},  {L"Hi\u00E9", L"36", 36},
                          {L"W", L"72", 72}, {L"W", L"500", 500}, {L"W", L"501", 500},
                          {L"W", L"99999999999999999999", 500}};
    long lastHeight = 0;
    for (const Case& c : cases) {
        window_->cbPicture.SetText(c.size);
        window_->tbCopy.SetText(c.text);
        Clipboard::Clear();
        ClickCopy(window_);
        Runtime::ScopedBitmap bitmap = Clipboard::GetData();
        ASSERT_TRUE(bitmap.Get() != nullptr) << "text of " << wcslen(c.text) << " at " << c.size;
        BITMAP info{};
        GetObjectW(bitmap.Get(), sizeof info, &info);
        SIZE want = expected(c.text, c.points);
        EXPECT_EQ(info.bmWidth, want.cx) << "text of " << wcslen(c.text) << " at " << c.size;
        EXPECT_EQ(info.bmHeight, want.cy) << "text of " << wcslen(c.text) << " at " << c.size;
        EXPECT_GE(info.bmHeight, lastHeight);
        lastHeight = info.bmHeight;
    }
}

TEST_F(CopyButton, APictureTooLargeIsRefusedWithAMessageAndTheClipboardKept)
{
    ChooseForm(window_, 10);
    window_->cbPicture.SetText(L"500");
    window_->tbCopy.SetText(std::wstring(200, L'W'));
    Clipboard::SetText(std::string("before"));
    ClickCopy(window_);
    EXPECT_EQ(Clipboard::GetText(Clipboard::FormatText), "before");
    EXPECT_FALSE(Clipboard::GetFormat(Clipboard::FormatBitmap));
    EXPECT_EQ(window_->pbStatus[1]->Panels()(L"Message").Text(), CharData::kPictureTooLargeMessage);
}

TEST_F(CopyButton, SgmlFormCopiesTheChosenEntityNotTheBox)
{
    window_->cbEntity.Clear();
    window_->cbEntity.AddItem(L"&ast;");
    window_->cbEntity.AddItem(L"&midast;");
    window_->cbEntity.SetListIndex(1);
    ChooseForm(window_, 11);
    ClickCopy(window_);
    EXPECT_EQ(Clipboard::GetText(Clipboard::FormatText), "&midast;");
}

TEST_F(CopyButton, AnEmptyBoxCopiesNothing)
{
    ChooseForm(window_, 10);
    window_->tbCopy.SetText(L"");
    Clipboard::SetText(std::string("before"));
    ClickCopy(window_);
    EXPECT_EQ(Clipboard::GetText(Clipboard::FormatText), "before");
    EXPECT_FALSE(Clipboard::GetFormat(Clipboard::FormatBitmap));
}

TEST_F(CopyButton, CopyWaitsWhileAnotherProgramHoldsTheClipboard)
{
    ChooseForm(window_, 7);
    FormsTest::ClipboardHolder holder(1200);
    ASSERT_TRUE(holder.Held());
    ClickCopy(window_);
    holder.Release();
    EXPECT_EQ(Clipboard::GetText(Clipboard::FormatText), "&#233;&#8364;");
}

TEST_F(CopyButton, ACopyTheSystemRefusesIsToldAsABusyClipboardIs)
{
    using FormsTest::ClipboardRefusal;
    Runtime::Panel& message = window_->pbStatus[1]->Panels()(L"Message");
    struct Case { const char* what; int format; ClipboardRefusal::Call call; };
    const Case cases[] = {
        {"decimal references, not emptied", 7, ClipboardRefusal::Empty},
        {"decimal references, not taken", 7, ClipboardRefusal::SetData},
        {"rich text, not taken", 1, ClipboardRefusal::SetData},
        {"picture, not taken", 10, ClipboardRefusal::SetData},
    };
    for (const Case& c : cases) {
        ChooseForm(window_, c.format);
        message.SetText(L"");
        ClipboardRefusal refusal(GetModuleHandleW(nullptr), c.call);
        ASSERT_TRUE(refusal.Active()) << c.what;
        ClickCopy(window_);
        EXPECT_EQ(message.Text(), CharData::kClipboardBusyMessage) << c.what;
    }
}

// A box of 30,000 characters: Copy writes every form whole, while the
// one-line preview shows the start of it and a mark that more follows, and
// the names form lists a row for every character.
TEST_F(CopyButton, ALongBoxIsCopiedWholeWhileThePreviewShowsItsStart)
{
    constexpr int kPairs = 15000;
    std::wstring text;
    for (int i = 0; i < kPairs; ++i) text += L"\u00E9\u20AC";
    window_->tbCopy.SetText(text);
    auto repeated = [](const std::string& unit) {
        std::string all;
        for (int i = 0; i < kPairs; ++i) all += unit;
        return all;
    };
    struct Case { int format; std::string pair; };
    const Case cases[] = {
        {2, "%e9%E2%82%AC"}, {3, "\xC3\xA9\xE2\x82\xAC"}, {5, "\\u00e9\\u20ac"},
        {6, "&#x00e9;&#x20ac;"}, {7, "&#233;&#8364;"}, {8, "\xE9\x80"},
    };
    for (const Case& c : cases) {
        ChooseForm(window_, c.format);
        Clipboard::Clear();
        ClickCopy(window_);
        const std::string expected = repeated(c.pair), copied = Clipboard::GetText(Clipboard::FormatText);
        EXPECT_EQ(copied.size(), expected.size()) << "form " << c.format;
        EXPECT_TRUE(copied == expected) << "form " << c.format;
        const std::wstring shown = Common::BytesToString(expected).substr(0, 2048) + L"\u2026";
        EXPECT_TRUE(window_->cbPreview.Text() == shown) << "form " << c.format;
    }

    ChooseForm(window_, 9);
    ASSERT_EQ(window_->cbPreview.ListCount(), 2 * kPairs);
    EXPECT_EQ(window_->cbPreview.List(2 * kPairs - 1), std::wstring(window_->CharNames.GetCharName(0x20AC)));
    EXPECT_TRUE(window_->cbPreview.ShowDropButton());
}

} // namespace
