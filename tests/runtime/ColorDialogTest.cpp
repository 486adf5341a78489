// The system colour dialog, answered through the test seam with the real
// dialog window: OK keeps or takes the colour, Cancel leaves it and raises
// 32755 only with CancelError, and the custom colours stay for next time.
#include "runtime/ColorDialog.h"
#include "runtime/Form.h"

#include <gtest/gtest.h>

namespace {

using namespace Runtime;

// Control ids of the system colour dialog's template.
constexpr int ColorRedEdit = 706, ColorGreenEdit = 707, ColorBlueEdit = 708, ColorAddButton = 712;

class DialogForm : public Form {
public:
    DialogForm() : Form(L"fwDialog") {}
    ColorDialog MSWinDialog{this, nullptr, L"MSWinDialog"};
};

// Answers the next dialogs; restores the user's dialog at the end.
class Answering {
public:
    explicit Answering(ColorDialogAnswer answer) : old_(SetColorDialogAnswer(std::move(answer))) {}
    ~Answering() { SetColorDialogAnswer(old_); }
private:
    ColorDialogAnswer old_;
};

void Press(HWND dialog, int id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void TypeColor(HWND dialog, int r, int g, int b)
{
    SetDlgItemInt(dialog, ColorRedEdit, r, FALSE);
    SetDlgItemInt(dialog, ColorGreenEdit, g, FALSE);
    SetDlgItemInt(dialog, ColorBlueEdit, b, FALSE);
}

TEST(ColorDialog, OkTakesTheDialogsColourAndCancelLeavesIt)
{
    DialogForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    ColorDialog& dlg = form.MSWinDialog;
    dlg.SetFlags(ColorDialog::RgbInit | ColorDialog::FullOpen);
    dlg.SetColor(0x123456);

    HWND owner = nullptr;
    struct Case { const char* what; bool cancel; int r, g, b; bool cancelError; OleColor expected; bool raises; };
    const Case cases[] = {
        {"ok with the initial colour", false, -1, 0, 0, false, 0x123456, false},
        {"ok with a typed colour", false, 255, 128, 0, false, 0x0080FF, false},
        {"cancel", true, 1, 2, 3, false, 0x0080FF, false},
        {"cancel with CancelError", true, 1, 2, 3, true, 0x0080FF, true},
    };
    for (const Case& c : cases) {
        Answering answer([&](HWND dialog) {
            owner = GetWindow(dialog, GW_OWNER);
            if (c.r >= 0) TypeColor(dialog, c.r, c.g, c.b);
            Press(dialog, c.cancel ? IDCANCEL : IDOK);
        });
        dlg.SetCancelError(c.cancelError);
        bool raised = false;
        try {
            dlg.ShowColor();
        } catch (const Error& e) {
            raised = true;
            EXPECT_EQ(e.Number(), ErrDialogCancelled) << c.what;
        }
        EXPECT_EQ(raised, c.raises) << c.what;
        EXPECT_EQ(dlg.Color(), c.expected) << c.what;
        EXPECT_EQ(owner, form.hWnd()) << c.what;
    }
}

TEST(ColorDialog, CustomColoursAreKeptBetweenShowings)
{
    DialogForm form;
    ASSERT_TRUE(form.Load());
    ColorDialog& dlg = form.MSWinDialog;
    ColorDialog::SetCustomColor(3, 0x00FF00);
    EXPECT_EQ(ColorDialog::CustomColor(3), 0x00FF00u);
    for (int bad : {-1, 16}) {
        EXPECT_THROW(ColorDialog::CustomColor(bad), Error) << bad;
        EXPECT_THROW(ColorDialog::SetCustomColor(bad, 0), Error) << bad;
    }
    OleColor before[16];
    for (int i = 0; i < 16; ++i) before[i] = ColorDialog::CustomColor(i);

    // "Add to Custom Colors" in the dialog changes one of the sixteen.
    dlg.SetFlags(ColorDialog::FullOpen);
    {
        Answering answer([&](HWND dialog) {
            TypeColor(dialog, 10, 20, 30);
            Press(dialog, ColorAddButton);
            Press(dialog, IDOK);
        });
        dlg.ShowColor();
    }
    int changed = -1;
    for (int i = 0; i < 16; ++i)
        if (ColorDialog::CustomColor(i) != before[i]) changed = i;
    ASSERT_GE(changed, 0);
    EXPECT_EQ(ColorDialog::CustomColor(changed), static_cast<OleColor>(RGB(10, 20, 30)));
    EXPECT_EQ(ColorDialog::CustomColor(3), changed == 3 ? RGB(10, 20, 30) : 0x00FF00u);
    EXPECT_EQ(dlg.TypeName(), L"CommonDialog");
}

} // namespace
