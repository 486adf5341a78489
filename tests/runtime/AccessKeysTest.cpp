// Access keys: Alt and the underlined letter of a caption act on its control.
#include <windows.h>

#include "runtime/AccessKeys.h"
#include "runtime/Buttons.h"
#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/Pump.h"
#include "runtime/TextBox.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using namespace Runtime;

TEST(AccessKeys, TheKeyIsTheCharacterAfterASingleAmpersand)
{
    const struct {
        const wchar_t* caption;
        wchar_t key;
    } cases[] = {
        {L"&Copy", L'C'},         {L"To cop&y:", L'Y'},   {L"Bol&d", L'D'},
        {L"Fish && &Chips", L'C'}, {L"Fish && Chips", 0}, {L"Trailing &", 0},
        {L"", 0},                 {L"\x00e9&\x00e9t\x00e9", L'\x00c9'},
    };
    for (const auto& c : cases) EXPECT_EQ(AccessKeyOf(c.caption), c.key) << c.caption;
}

class KeyForm : public Form {
public:
    KeyForm() : Form(L"fwKeys") {}

    Label tlName{this, nullptr, L"tlName"};
    TextBox tbName{this, nullptr, L"tbName"};
    Label tlPlain{this, nullptr, L"tlPlain"};
    TextBox tbPlain{this, nullptr, L"tbPlain"};
    CommandButton bbGo{this, nullptr, L"bbGo"};
    CheckBox chFlag{this, nullptr, L"chFlag"};
    std::vector<std::unique_ptr<OptionButton>> obChoice;
    CommandButton bbHidden{this, nullptr, L"bbHidden"};
    CommandButton bbOff{this, nullptr, L"bbOff"};

protected:
    void CreateControls() override
    {
        Move(100, 100, 360, 260);
        tlName.SetUseMnemonic(true);
        tlName.Create(8, 8, 60, 18, L"&Name:");
        tbName.Create(70, 8, 120, 22);
        tlPlain.Create(8, 36, 60, 18, L"&Plain:");
        tbPlain.Create(70, 36, 120, 22);
        bbGo.Create(220, 8, 90, 24, L"&Go");
        chFlag.Create(8, 64, 120, 20, L"&Flag");
        for (int i = 0; i < 2; ++i) {
            obChoice.push_back(std::make_unique<OptionButton>(this, nullptr, L"obChoice", i));
            obChoice.back()->Create(8, 90 + 22 * i, 120, 20, i == 0 ? L"&One" : L"&Other");
        }
        bbHidden.Create(220, 40, 90, 24, L"&Hidden");
        bbHidden.SetVisible(false);
        bbOff.Create(220, 70, 90, 24, L"Of&f");
        bbOff.SetEnabled(false);
    }
};

// What the message loop does with Alt and a letter typed in `focus`.
void PressAlt(HWND focus, wchar_t letter)
{
    MSG msg{focus, WM_SYSCHAR, letter, 0x20000000, 0, {}};
    PumpMessage(msg);
}

TEST(AccessKeys, AltAndTheLetterActOnTheControlOfThatCaption)
{
    KeyForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    int goClicks = 0, hiddenClicks = 0, offClicks = 0;
    form.bbGo.Click = [&] { ++goClicks; };
    form.bbHidden.Click = [&] { ++hiddenClicks; };
    form.bbOff.Click = [&] { ++offClicks; };
    form.tbPlain.SetFocus();

    PressAlt(form.tbPlain.hWnd(), L'g');
    EXPECT_EQ(goClicks, 1);

    PressAlt(GetFocus(), L'f');
    EXPECT_EQ(form.chFlag.Value(), 1);
    PressAlt(GetFocus(), L'F');
    EXPECT_EQ(form.chFlag.Value(), 0);

    // Two options share "O": the first, then the next after the focused one.
    PressAlt(form.tbPlain.hWnd(), L'o');
    EXPECT_TRUE(form.obChoice[0]->Value());
    PressAlt(GetFocus(), L'o');
    EXPECT_TRUE(form.obChoice[1]->Value());
    EXPECT_FALSE(form.obChoice[0]->Value());

    // A label with its mnemonic leads to the box after it; one without does not.
    form.bbGo.SetFocus();
    PressAlt(GetFocus(), L'n');
    EXPECT_EQ(GetFocus(), form.tbName.hWnd());
    PressAlt(GetFocus(), L'p');
    EXPECT_EQ(GetFocus(), form.tbName.hWnd());

    // Hidden and disabled controls keep their keys to themselves.
    PressAlt(GetFocus(), L'h');
    PressAlt(GetFocus(), L'f');
    EXPECT_EQ(hiddenClicks, 0);
    EXPECT_EQ(offClicks, 0);
    form.Unload();
}

} // namespace
