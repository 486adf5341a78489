// The rich text that Copy in the "RTF" form puts on the clipboard, byte for
// byte, for a table of copy texts, fonts, styles and colours: ASCII with
// the characters rich text escapes, mixed scripts, characters the rich text
// box would write as look-alikes, BMP symbols, line breaks, an empty box,
// and the long texts of the copy-box benchmark. The expected bytes are
// those the program wrote before its copy was made faster (Wine's rich edit
// control, the system code page 1252); the long texts are compared by size
// and hash.
#include "tests/mainwin/ChooseForm.h"
#include "tests/mainwin/LoadedMain.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/Clipboard.h"
#include "tests/chardata/ClipboardFixture.h"
#include "tests/mainwin/RtfCopyExpected.h"
#include "tests/support/LongCopyTexts.h"

namespace {

using MainWinTest::ChooseForm;
using MainWinTest::LoadedMain;
namespace Clipboard = Runtime::Clipboard;

std::uint64_t Fnv1a(const std::string& bytes)
{
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (unsigned char c : bytes) hash = (hash ^ c) * 0x100000001B3ull;
    return hash;
}

// The bytes as a C string literal, for a message that shows what differs.
std::string Literal(const std::string& bytes)
{
    std::string out = "\"";
    for (unsigned char c : bytes) {
        if (c == '\\' || c == '"') out += '\\', out += static_cast<char>(c);
        else if (c >= 0x20 && c < 0x7F) out += static_cast<char>(c);
        else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X\"\"", c);
            out += hex;
        }
    }
    return out + "\"";
}

struct Style {
    const wchar_t* face;
    double size;
    bool bold, italic, underline, strikeout;
    Runtime::OleColor color;
};

struct Case {
    const char* what;
    std::wstring copy;
    Style style;
    MainWinTest::ExpectedRtf expected;
};

std::vector<Case> Cases()
{
    using namespace MainWinTest;
    const Style plain{L"DejaVu Sans", 36, false, false, false, false, 0x0000FF};
    const Style styled{L"Tahoma", 8.25, true, true, true, true, Runtime::ColorWindowText};
    return {
        {"ASCII with braces and back-slashes", L"Copy {this} \\ and 100% <of> it~", plain, kRtfAscii},
        {"one character", L"A", plain, kRtfOneChar},
        {"mixed scripts",
         L"\u00E9\u00FC \u03A9\u03B2 \u0416\u044F \u05D0\u05D1 \u0639\u0631 \u0915\u093F \u0E01\u0E32 \u4E2D\u6587 "
         L"\uD55C\uAE00 \u3041\u30A2",
         plain, kRtfMixed},
        {"look-alikes of the code page", L"\uFF21\uFF42\u0100\u2460\u00E9x", plain, kRtfLookAlike},
        {"an empty box after look-alikes", L"", styled, kRtfEmptyStyled},
        {"ASCII in a style and a system colour", L"Styled {text}\r\nand more", styled, kRtfAsciiStyled},
        {"BMP symbols", L"\u2190\u2211\u2500\u2713\u20AC\uFFFD\u00A9\u2122\u00B0", styled, kRtfSymbols},
        {"line breaks", L"one\r\ntwo\r\n\r\nthree", plain, kRtfLineBreaks},
        {"an empty box", L"", plain, kRtfEmpty},
        {"long ASCII", TestSupport::LongAsciiText(), plain, kRtfLongAscii},
        {"long mixed scripts", TestSupport::LongMixedText(), styled, kRtfLongMixed},
    };
}

std::string CopyRtf(LoadedMain& window, const Case& c)
{
    Runtime::FontSpec face = window->tbRTF.Font();
    face.Name = c.style.face; // as the font list sets it
    window->tbRTF.SetFont(face);
    Runtime::FontSpec view = window->pbView.Font();
    view.Size = c.style.size;
    view.Bold = c.style.bold;
    view.Italic = c.style.italic;
    view.Underline = c.style.underline;
    view.Strikethrough = c.style.strikeout;
    window->pbView.SetFont(view);
    window->tlView.SetForeColor(c.style.color);
    window->tbCopy.SetText(c.copy);
    Clipboard::Clear();
    window->bbCopy_Click(); // the button itself is disabled while the box is empty
    return Clipboard::GetText(Clipboard::FormatRTF);
}

void ExpectBytes(const Case& c, const std::string& rtf, const char* pass)
{
    if (c.expected.bytes) {
        EXPECT_EQ(rtf, std::string(c.expected.bytes)) << c.what << " (" << pass << "): " << Literal(rtf);
    } else {
        EXPECT_EQ(rtf.size(), c.expected.size) << c.what << " (" << pass << ")";
        EXPECT_EQ(Fnv1a(rtf), c.expected.hash)
            << c.what << " (" << pass << "): size " << rtf.size() << ", hash 0x" << std::hex << Fnv1a(rtf);
    }
}

class RtfCopyBytes : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The expected bytes are those the program writes under code page
        // 1252 (Wine's own for an English or C locale); another code page
        // writes other escapes, so there is nothing to compare with.
        if (GetACP() != 1252u) GTEST_SKIP() << "the expected bytes are those of code page 1252";
        ASSERT_TRUE(lock_.Held());
        ASSERT_TRUE(window_.Loaded());
        ChooseForm(window_, 1);
    }

    FormsTest::ClipboardLock lock_;
    LoadedMain window_;
};

// Each case twice, the table forwards and then backwards, so that what the
// box held from the copy before cannot change a copy.
TEST_F(RtfCopyBytes, CopyWritesTheSameRichTextAsBefore)
{
    const std::vector<Case> cases = Cases();
    for (const Case& c : cases) ExpectBytes(c, CopyRtf(window_, c), "forwards");
    for (auto c = cases.rbegin(); c != cases.rend(); ++c) ExpectBytes(*c, CopyRtf(window_, *c), "backwards");
}

// The first rich text copy of a window, of an empty box (nothing copied
// before has left its format in the rich text box).
TEST_F(RtfCopyBytes, FirstCopyOfAnEmptyBoxWritesTheSameRichTextAsBefore)
{
    const Case c{"an empty box first", L"", {L"DejaVu Sans", 12, false, true, false, false, 0x123456},
                 MainWinTest::kRtfEmptyFirst};
    ExpectBytes(c, CopyRtf(window_, c), "first");
}

// The table's copy key writes the current character as Copy writes a box
// holding only that character.
TEST_F(RtfCopyBytes, TableCopyWritesWhatCopyWritesForTheCharacter)
{
    window_->tlCell_Click(0x41);
    const std::int32_t code = window_->CellCode(window_->CurrentCell);
    ASSERT_GT(code, 0x20);
    Case c{"the current character", std::wstring(1, static_cast<wchar_t>(code)),
           {L"DejaVu Sans", 20, true, false, false, false, 0x00FF00}, {}};
    const std::string copied = CopyRtf(window_, c);
    Clipboard::Clear();
    window_->pbTable_KeyDown('C', Runtime::CtrlMask);
    EXPECT_EQ(Clipboard::GetText(Clipboard::FormatRTF), copied);
}

} // namespace
