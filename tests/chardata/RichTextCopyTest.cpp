// The rich-text copy in real RichEdit boxes and the real clipboard: the
// "RTF" form read by the box gives back the copy text; the copied rich text
// has one colour table, right after the font table, in the chosen colour
// (system colours looked up), and another rich text box reading it shows
// the text in that colour, font, size and style.
#include "chardata/ClipboardWriter.h"
#include "chardata/OutputForms.h"
#include "chardata/RichTextCopy.h"
#include "runtime/Clipboard.h"
#include "runtime/Form.h"
#include "runtime/RichTextBox.h"
#include "tests/chardata/ClipboardFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace Runtime;
using CharData::ClipboardOutcome;

class RtfForm : public Form {
public:
    RtfForm() : Form(L"fwRtf") {}
    RichTextBox tbRTF{this, nullptr, L"tbRTF"};
    RichTextBox tbRead{this, nullptr, L"tbRead"};

protected:
    void CreateControls() override
    {
        Move(40, 40, 420, 260);
        tbRTF.Create(8, 8, 390, 100);
        tbRead.Create(8, 116, 390, 100);
        FontSpec font = tbRTF.Font();
        font.Name = L"DejaVu Sans"; // the font chosen in the font list
        tbRTF.SetFont(font);
    }
};

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// What follows the first "}}" after the font table.
std::string AfterFontTable(const std::string& rtf)
{
    std::size_t fonts = rtf.find("{\\fonttbl");
    if (fonts == std::string::npos) return {};
    std::size_t end = rtf.find("}}", fonts);
    return end == std::string::npos ? std::string() : rtf.substr(end + 2);
}

std::string RtfOf(const std::wstring& copy)
{
    CharData::FormContext context;
    context.Format = CharData::OutputFormat::RTF;
    return CharData::FormatCopyText(copy, context);
}

class RichTextCopyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lock_.Held());
        ASSERT_TRUE(form.Load());
        Clipboard::Clear();
    }
    void TearDown() override { form.Unload(); }

    RtfForm form;
    CharData::ClipboardWait wait;

private:
    FormsTest::ClipboardLock lock_;
};

TEST_F(RichTextCopyTest, CopyHasOneColourTableAfterTheFontsAndTheViewsStyle)
{
    FontSpec view;
    view.Name = L"Tahoma"; // the view's name is not copied: the box keeps the chosen font
    view.Size = 36;
    view.Bold = true;
    view.Italic = true;
    view.Underline = true;

    struct Case { const char* what; std::wstring copy; };
    const Case cases[] = {
        {"ASCII, which the box writes as it is", L"Plain {text} \\ A"},
        {"text the box writes itself", L"\u00E9\u20AC\u4E2D"},
        // Wine's box writes U+FF21 as "A": the copy is then written by us.
        {"text the box would write as look-alikes", L"\u00E9\u20AC\uFF21\u4E2D"},
    };
    for (const Case& c : cases) {
        form.tbRTF.SetTextRTF(RtfOf(c.copy));
        EXPECT_EQ(form.tbRTF.Text(), c.copy) << c.what << ": the RTF form does not read back as the copy text";
        auto result = CharData::CopyPreviewRTF(form.tbRTF, RtfOf(c.copy), view, 0x0000FF, wait);
        ASSERT_EQ(result.Outcome, ClipboardOutcome::Copied) << c.what;

        const std::string rtf = Clipboard::GetText(Clipboard::FormatRTF);
        EXPECT_EQ(Count(rtf, "{\\colortbl"), 1u) << c.what << ": " << rtf;
        EXPECT_EQ(AfterFontTable(rtf).rfind("{\\colortbl;\\red255\\green0\\blue0;}\\cf1", 0), 0u)
            << c.what << ": " << rtf;
        EXPECT_EQ(form.tbRTF.Text(), c.copy) << c.what << ": the box lost characters";
        EXPECT_NE(form.tbRTF.TextRTF().find("\\red255\\green0\\blue0"), std::string::npos)
            << c.what << ": the box does not keep the coloured text";

        // Another rich text box pasting it shows the text as chosen.
        form.tbRead.SetTextRTF(rtf);
        EXPECT_EQ(form.tbRead.Text(), c.copy) << c.what;
        form.tbRead.SetSelStart(0);
        form.tbRead.SetSelLength(static_cast<int>(c.copy.size()));
        EXPECT_EQ(form.tbRead.SelColor(), 0x0000FFu) << c.what;
        EXPECT_TRUE(form.tbRead.SelBold()) << c.what;
        EXPECT_TRUE(form.tbRead.SelItalic()) << c.what;
        EXPECT_TRUE(form.tbRead.SelUnderline()) << c.what;
        EXPECT_FALSE(form.tbRead.SelStrikethru()) << c.what;
        EXPECT_DOUBLE_EQ(form.tbRead.SelFontSize(), 36.0) << c.what;
        EXPECT_EQ(form.tbRead.SelFontName(), L"DejaVu Sans") << c.what;
    }
}

TEST_F(RichTextCopyTest, TheColourTableTakesTheTextColourSystemColoursLookedUp)
{
    struct Case { const char* what; OleColor color; COLORREF plain; };
    const Case cases[] = {
        {"red", 0x0000FF, RGB(255, 0, 0)},
        {"mixed", 0x123456, RGB(0x56, 0x34, 0x12)},
        {"system highlight", 0x8000000D, GetSysColor(COLOR_HIGHLIGHT)},
        {"system window text", ColorWindowText, GetSysColor(COLOR_WINDOWTEXT)},
    };
    FontSpec view;
    view.Size = 12;
    for (const Case& c : cases) {
        ASSERT_EQ(CharData::CopyPreviewRTF(form.tbRTF, RtfOf(L"A"), view, c.color, wait).Outcome, ClipboardOutcome::Copied)
            << c.what;
        std::string expected = "{\\colortbl;\\red" + std::to_string(GetRValue(c.plain)) + "\\green" +
                               std::to_string(GetGValue(c.plain)) + "\\blue" + std::to_string(GetBValue(c.plain)) +
                               ";}\\cf1";
        const std::string rtf = Clipboard::GetText(Clipboard::FormatRTF);
        EXPECT_EQ(AfterFontTable(rtf).rfind(expected, 0), 0u) << c.what << ": " << rtf;
        EXPECT_EQ(Count(rtf, "{\\colortbl"), 1u) << c.what;

        form.tbRead.SetTextRTF(rtf);
        form.tbRead.SetSelStart(0);
        form.tbRead.SetSelLength(1);
        EXPECT_EQ(form.tbRead.SelColor(), c.plain) << c.what;
    }
}

} // namespace
