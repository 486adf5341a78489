// The forms where the window shows them, in real controls: the preview
// box and its check box for every output form, and the "Hex" panel.
#include "chardata/FormBytes.h"
#include "chardata/FormDisplay.h"
#include "common/CodePage.h"
#include "runtime/Buttons.h"
#include "runtime/ComboBox.h"
#include "runtime/Form.h"
#include "runtime/StatusBar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace Runtime;
using CharData::OutputFormat;

class PreviewForm : public Form {
public:
    PreviewForm() : Form(L"fwPreview") {}
    ComboBox cbPreview{this, nullptr, L"cbPreview"};
    CheckBox chPreview{this, nullptr, L"chPreview"};
    StatusBar pbStatus{this, nullptr, L"pbStatus", 0};

protected:
    void CreateControls() override
    {
        Move(40, 40, 420, 200);
        cbPreview.Create(8, 8, 380);
        chPreview.Create(8, 40, 200, 20, L"Show with charset");
        pbStatus.Panels().Add(L"Hex", L"", 80);
        pbStatus.Panels().Add(L"Name", L"", 200);
        pbStatus.Create();
    }
};

std::wstring Name(int code)
{
    return code == 0xE9 ? L"LATIN SMALL LETTER E WITH ACUTE" : code == 0x20AC ? L"EURO SIGN" : L"?";
}

std::vector<std::wstring> Rows(const ComboBox& box)
{
    std::vector<std::wstring> rows;
    for (int i = 0; i < box.ListCount(); ++i) rows.push_back(box.List(i));
    return rows;
}

TEST(FormDisplay, PreviewOfEAcuteAndEuroInEveryForm)
{
    PreviewForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    const std::wstring copy = L"\u00E9\u20AC";
    // Byte forms show each byte as the ANSI code page's character.
    const std::wstring utf8 = Common::BytesToString(std::string("\xC3\xA9\xE2\x82\xAC"));
    const std::wstring cp1252 = Common::BytesToString(std::string("\xE9\x80"));
    const std::vector<std::wstring> names = {L"LATIN SMALL LETTER E WITH ACUTE", L"EURO SIGN"};

    struct Case { OutputFormat format; bool enabled; bool charset; std::wstring text; std::vector<std::wstring> rows; };
    const Case cases[] = {
        {OutputFormat::Unicode, false, false, L"", {}},
        {OutputFormat::RTF, true, false, L"{\\rtf1\\ansi\\f0\\u233?\\u8364?}", {}},
        {OutputFormat::PercentEscape, true, false, L"%e9%E2%82%AC", {}},
        {OutputFormat::UTF8, true, false, utf8, {}},
        {OutputFormat::UTF7, true, false, L"+AOk-+IKw-", {}},
        {OutputFormat::UCN, true, false, L"\\u00e9\\u20ac", {}},
        {OutputFormat::NCRHex, true, false, L"&#x00e9;&#x20ac;", {}},
        {OutputFormat::NCRDec, true, false, L"&#233;&#8364;", {}},
        {OutputFormat::CodePage, true, true, cp1252, {}},
        {OutputFormat::CharName, true, false, names[0], names},
        {OutputFormat::Picture, false, false, L"", {}},
        {OutputFormat::SGML, false, false, L"", {}},
    };
    // Start from the names, so that each form must clear what the last one left.
    for (OutputFormat first : {OutputFormat::CharName, OutputFormat::NCRDec}) {
        for (const Case& c : cases) {
            CharData::UpdatePreview(form.cbPreview, form.chPreview, copy,
                                    CharData::SystemFormContext(first, 1252, Name));
            CharData::UpdatePreview(form.cbPreview, form.chPreview, copy,
                                    CharData::SystemFormContext(c.format, 1252, Name));
            int f = static_cast<int>(c.format);
            EXPECT_EQ(form.cbPreview.Enabled(), c.enabled) << "form " << f;
            EXPECT_EQ(form.chPreview.Enabled(), c.charset) << "form " << f;
            EXPECT_EQ(form.cbPreview.Text(), c.text) << "form " << f;
            EXPECT_EQ(Rows(form.cbPreview), c.rows) << "form " << f;
            EXPECT_EQ(form.cbPreview.ShowDropButton(), c.rows.size() >= 2) << "form " << f;
            if (!c.rows.empty()) {
                EXPECT_EQ(form.cbPreview.ListIndex(), 0) << "form " << f;
            }
        }
    }

    // One name: one row, no drop button; an empty copy box: nothing at all.
    auto names9 = CharData::SystemFormContext(OutputFormat::CharName, 1252, Name);
    CharData::UpdatePreview(form.cbPreview, form.chPreview, L"\u20AC", names9);
    EXPECT_EQ(Rows(form.cbPreview), std::vector<std::wstring>{L"EURO SIGN"});
    EXPECT_FALSE(form.cbPreview.ShowDropButton());
    CharData::UpdatePreview(form.cbPreview, form.chPreview, L"", names9);
    EXPECT_EQ(form.cbPreview.ListCount(), 0);
    EXPECT_EQ(form.cbPreview.Text(), L"");
    EXPECT_TRUE(form.cbPreview.Enabled());
    form.Unload();
}

TEST(FormDisplay, CodePanelShowsTheCodeInHexOrDecimal)
{
    PreviewForm form;
    ASSERT_TRUE(form.Load());
    struct Case { int code; bool hex; const wchar_t* expected; };
    const Case cases[] = {
        {0xE9, true, L"U+00E9"}, {0xE9, false, L"Alt+233"}, {0x09, true, L"U+0009"}, {0x09, false, L"Alt+9"},
    };
    for (const Case& c : cases) {
        CharData::ShowCodePanel(form.pbStatus, c.code, c.hex);
        EXPECT_EQ(form.pbStatus.Panels()(L"Hex").Text(), c.expected) << c.code << (c.hex ? " hex" : " decimal");
        EXPECT_EQ(form.pbStatus.Panels()(L"Name").Text(), L"") << "another panel was written";
    }
    // A bar without the panel is left alone.
    form.pbStatus.Panels().Clear();
    CharData::ShowCodePanel(form.pbStatus, 0x41, true);
    EXPECT_EQ(form.pbStatus.Panels().Count(), 0);
    form.Unload();
}

} // namespace
