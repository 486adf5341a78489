// Rich text boxes on the system's RichEdit: the box's font as the default
// format (not Wine's bold "System"), RTF in and out, the selection's
// format, and one Change per change of the content.
#include "runtime/Form.h"
#include "runtime/RichTextBox.h"
#include "tests/support/Screenshot.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace Runtime;

class RtfForm : public Form {
public:
    RtfForm() : Form(L"fwRtf") {}
    RichTextBox tbRTF{this, nullptr, L"tbRTF"};

protected:
    void CreateControls() override
    {
        Move(100, 100, 320, 200);
        tbRTF.Create(8, 8, 290, 140);
    }
};

const std::string kSample =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Tahoma;}}\\f0\\fs20 plain {\\b bold} "
    "{\\i italic} \\u1046?\\u1078?\\par}";

TEST(RichTextBox, StartsInTheBoxFontNotBoldSystem)
{
    RtfForm form;
    ASSERT_TRUE(form.Load());
    RichTextBox& box = form.tbRTF;
    box.SetText(L"abc");
    box.SetSelStart(0);
    box.SetSelLength(3);
    EXPECT_EQ(box.SelFontName(), L"Tahoma");
    EXPECT_DOUBLE_EQ(box.SelFontSize(), 8.25);
    EXPECT_FALSE(box.SelBold());
    std::string rtf = box.TextRTF();
    EXPECT_EQ(rtf.compare(0, 5, "{\\rtf"), 0) << rtf;
    EXPECT_NE(rtf.find("Tahoma"), std::string::npos) << rtf;
    EXPECT_EQ(rtf.find("System"), std::string::npos) << rtf;

    // The font of the box applies to the whole text.
    FontSpec f = box.Font();
    f.Name = L"Courier New";
    f.Size = 14;
    f.Italic = true;
    box.SetFont(f);
    EXPECT_EQ(box.SelFontName(), L"Courier New");
    EXPECT_DOUBLE_EQ(box.SelFontSize(), 14.0);
    EXPECT_TRUE(box.SelItalic());
    EXPECT_NE(box.TextRTF().find("\\fs28"), std::string::npos);
}

TEST(RichTextBox, RtfGoesInAndComesOut)
{
    RtfForm form;
    ASSERT_TRUE(form.Load());
    RichTextBox& box = form.tbRTF;
    box.SetTextRTF(kSample);
    EXPECT_EQ(box.Text(), L"plain bold italic \x0416\x0436") << "the last paragraph mark is the end";

    struct Case { const char* what; int start, length; bool bold, italic; };
    const Case cases[] = {
        {"plain", 0, 5, false, false},
        {"bold", 6, 4, true, false},
        {"italic", 11, 6, false, true},
        {"mixed", 0, 10, false, false},
    };
    for (const Case& c : cases) {
        box.SetSelStart(c.start);
        box.SetSelLength(c.length);
        EXPECT_EQ(box.SelStart(), c.start) << c.what;
        EXPECT_EQ(box.SelLength(), c.length) << c.what;
        EXPECT_EQ(box.SelBold(), c.bold) << c.what;
        EXPECT_EQ(box.SelItalic(), c.italic) << c.what;
    }

    // What comes out goes back in as the same content.
    std::string out = box.TextRTF();
    RtfForm other;
    ASSERT_TRUE(other.Load());
    other.tbRTF.SetTextRTF(out);
    EXPECT_EQ(other.tbRTF.Text(), box.Text());
    other.tbRTF.SetSelStart(6);
    other.tbRTF.SetSelLength(4);
    EXPECT_TRUE(other.tbRTF.SelBold());

    // The selection as RTF, and RTF put over the selection.
    box.SetSelStart(6);
    box.SetSelLength(4);
    std::string sel = box.SelRTF();
    EXPECT_NE(sel.find("bold"), std::string::npos);
    EXPECT_EQ(sel.find("plain"), std::string::npos);
    box.SetSelRTF("{\\rtf1\\ansi{\\fonttbl{\\f0 Tahoma;}}\\f0\\ul under\\ulnone}");
    EXPECT_EQ(box.Text().substr(0, 12), L"plain under ");
    box.SetSelStart(6);
    box.SetSelLength(5);
    EXPECT_TRUE(box.SelUnderline());
}

TEST(RichTextBox, AColourTableInsertedAfterTheFontTableColoursTheText)
{
    // What the program does to copy rich text in the chosen colour.
    RtfForm form;
    ASSERT_TRUE(form.Load());
    RichTextBox& box = form.tbRTF;
    box.SetTextRTF("{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil Tahoma;}}\\f0 red}");
    std::string rtf = box.TextRTF();
    size_t table = rtf.find("{\\fonttbl");
    ASSERT_NE(table, std::string::npos) << rtf;
    size_t end = rtf.find("}}", table);
    ASSERT_NE(end, std::string::npos) << rtf;
    rtf.insert(end + 2, "{\\colortbl;\\red255\\green0\\blue0;}\\cf1");
    box.SetTextRTF(rtf);
    box.SetSelStart(0);
    box.SetSelLength(3);
    EXPECT_EQ(box.SelColor(), 0x0000FFu) << box.TextRTF();
    EXPECT_NE(box.TextRTF().find("\\red255\\green0\\blue0"), std::string::npos);
}

TEST(RichTextBox, SelectionFormatAndBadValues)
{
    RtfForm form;
    ASSERT_TRUE(form.Load());
    RichTextBox& box = form.tbRTF;
    box.SetText(L"one two three");
    box.SetSelStart(4);
    box.SetSelLength(3);
    EXPECT_EQ(box.SelText(), L"two");

    struct Case {
        const char* what;
        void (RichTextBox::*set)(bool);
        bool (RichTextBox::*get)() const;
    };
    const Case cases[] = {
        {"bold", &RichTextBox::SetSelBold, &RichTextBox::SelBold},
        {"italic", &RichTextBox::SetSelItalic, &RichTextBox::SelItalic},
        {"underline", &RichTextBox::SetSelUnderline, &RichTextBox::SelUnderline},
        {"strikethru", &RichTextBox::SetSelStrikethru, &RichTextBox::SelStrikethru},
    };
    for (const Case& c : cases) {
        (box.*c.set)(true);
        EXPECT_TRUE((box.*c.get)()) << c.what;
        box.SetSelStart(0);
        box.SetSelLength(3);
        EXPECT_FALSE((box.*c.get)()) << c.what << " stays on its own text";
        box.SetSelStart(4);
        box.SetSelLength(3);
        (box.*c.set)(false);
        EXPECT_FALSE((box.*c.get)()) << c.what;
    }
    box.SetSelFontName(L"Courier New");
    box.SetSelFontSize(20);
    box.SetSelColor(0x00FF00);
    EXPECT_EQ(box.SelFontName(), L"Courier New");
    EXPECT_DOUBLE_EQ(box.SelFontSize(), 20.0);
    EXPECT_EQ(box.SelColor(), 0x00FF00u);
    EXPECT_EQ(box.Text(), L"one two three") << "formatting leaves the text alone";

    for (double bad : {0.0, -3.0, 2000.0}) EXPECT_THROW(box.SetSelFontSize(bad), Error) << bad;
    EXPECT_THROW(box.SetSelFontName(L""), Error);
    EXPECT_THROW(box.SetSelStart(-1), Error);
    EXPECT_THROW(box.SetSelLength(-1), Error);
    EXPECT_EQ(box.SelFontName(), L"Courier New");

    // Text that is not RTF is taken as it is.
    box.SetTextRTF("not {rich} text");
    EXPECT_EQ(box.Text(), L"not {rich} text");
    box.SetTextRTF("");
    EXPECT_EQ(box.Text(), L"");
}

TEST(RichTextBox, ChangeOncePerChangeOfTheContent)
{
    RtfForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    RichTextBox& box = form.tbRTF;
    int changes = 0;
    box.Change = [&] { ++changes; };

    struct Step { const char* what; std::function<void()> act; int changes; };
    const Step steps[] = {
        {"text", [&] { box.SetText(L"abc"); }, 1},
        {"same text", [&] { box.SetText(L"abc"); }, 1},
        {"rtf", [&] { box.SetTextRTF(kSample); }, 2},
        {"same rtf", [&] { box.SetTextRTF(kSample); }, 2},
        {"selection format", [&] { box.SetSelStart(0); box.SetSelLength(3); box.SetSelBold(true); }, 2},
        {"box font", [&] { FontSpec f = box.Font(); f.Size = 12; box.SetFont(f); }, 2},
        {"sel text", [&] { box.SetSelText(L"xyz"); }, 3},
        {"sel rtf", [&] { box.SetSelRTF("{\\rtf1 q}"); }, 4},
        {"typed", [&] { box.SetFocus(); SendMessageW(box.hWnd(), WM_CHAR, 'k', 1); }, 5},
    };
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(changes, s.changes) << s.what;
    }
    TestSupport::SaveWindowScreenshot(form.hWnd(), "runtime-richtextbox");
}

} // namespace
