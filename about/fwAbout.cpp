#include "about/fwAbout.h"

#include "common/TextUtil.h"
#include "common/Version.h"
#include "common/WindowUtil.h"
#include "runtime/App.h"

namespace {

const wchar_t kCheckCaption[] = L"Check for Update";
const wchar_t kCancelCaption[] = L"Cancel Check";
constexpr int kMargin = 8;
constexpr int kGap = 6;

} // namespace

fwAbout::fwAbout()
    : Form(L"fwAbout"),
      tlAbout(this, nullptr, L"tlAbout"),
      tlVersion(this, nullptr, L"tlVersion"),
      tlSite(this, nullptr, L"tlSite"),
      tlMail(this, nullptr, L"tlMail"),
      tlUpdate(this, nullptr, L"tlUpdate"),
      bbUpdate(this, nullptr, L"bbUpdate"),
      tlRights(this, nullptr, L"tlRights"),
      bbClose(this, nullptr, L"bbClose"),
      pbTable(this, nullptr, L"pbTable"),
      ibTable(this, &pbTable, L"ibTable"),
      toTable(this, nullptr, L"toTable")
{
}

void fwAbout::CreateControls()
{
    KeyPreview = true;
    SetCaption(L"About...");
    CreatePuzzle();
    tlAbout.Create(0, 0, 10, 10);
    tlVersion.Create(0, 0, 10, 10);
    for (LinkBox* link : {&tlSite, &tlMail, &tlRights}) {
        link->SetForeColor(RGB(0, 0, 0xFF));
        link->Create(0, 0, 10, 10);
        link->SetAutoSize(true);
    }
    // The links open their paths (the product page, the mail with its subject).
    tlSite.SetCaptionIsPath(false);
    tlMail.SetCaptionIsPath(false);
    // The rights line is text, not a link: it has no path and its caption is not one.
    tlRights.SetCaptionIsPath(false);
    tlRights.SetHotTracking(false);
    tlRights.SetForeColor(Runtime::ColorButtonText);
    tlRights.Click = [this] { tlRights_Click(); };
    tlUpdate.Create(0, 0, 10, 10);
    bbUpdate.Create(0, 0, 10, 10, kCheckCaption);
    bbUpdate.Click = [this] { bbUpdate_Click(); };
    bbClose.Create(0, 0, 10, 10, L"&Close");
    bbClose.Click = [this] { bbClose_Click(); };
}

void fwAbout::Form_Load()
{
    BuildTable();
    wchar_t system[261] = {};
    UINT length = GetSystemDirectoryW(system, 260);
    std::wstring systemDir(system, length <= 260 ? length : 0);
    std::wstring comments = Runtime::App::VersionString(L"Comments");
    std::wstring site = Common::TextBefore(comments, L", ", false);
    std::wstring mail = Common::TextAfter(comments, L", ", 0, true);
    std::wstring title = Runtime::App::Title();

    tlAbout.SetCaption(Runtime::App::VersionString(L"LegalCopyright") + L"\r\n" +
                       L"For Windows 2000, Windows XP and later.");
    tlVersion.SetCaption(Runtime::App::EXEName() + L": " + Common::AppVersion(0) + L"\r\n" + L"GetUName" + L": " +
                         Common::FileVersion(systemDir + L"\\GetUName.dll", true, false));
    tlSite.SetCaption(site);
    tlSite.SetPath(site + L"/Products/" + title + L"/");
    tlMail.SetCaption(mail);
    tlMail.SetPath(mail + L"?subject=" + title);
    tlRights.SetCaption(L"All rights reserved.");
    ArrangeControls();

    CreateUpdateControl();
    ucUpdate.PutText(L"RemotePath", tlSite.Path() + title + L".js");
    ucUpdate.PutText(L"LocalPath", Runtime::App::Path() + L"\\" + Runtime::App::EXEName() + L".dat");
    ucUpdate.PutText(L"LocalVersion", Common::AppVersion(-1));
}

void fwAbout::CreateUpdateControl()
{
    RECT place{0, 0, 32, 32};
    if (!ucUpdate.Create(UpdateClassId, UpdateServerFile, UpdateEventsId, hWnd(), place, L"ucUpdate")) return;
    // The control works for the window unseen: its face is not part of the window.
    ucUpdate.SetVisible(false);
    ucUpdate.PutBool(L"AutoCheck", false);
    ucUpdate.PutLong(L"SaveStyle", 0);
    // The daily check's NewVersion is not wanted here: events are left unanswered.
}

void fwAbout::ArrangeControls()
{
    int width = pbTable.Width();
    auto textSize = [this](const std::wstring& text) { return SIZE{TextWidth(text), TextHeight(text)}; };
    for (Runtime::Label* label : {&tlAbout, &tlVersion}) {
        SIZE size = textSize(label->Caption());
        width = std::max<int>(width, size.cx);
    }
    for (LinkBox* link : {&tlSite, &tlMail, &tlRights}) width = std::max(width, link->Width());
    SIZE update = textSize(L"Version 00.00.0000\r\nis now available\r\nto download.");
    SIZE button = textSize(kCheckCaption);
    int buttonWidth = button.cx + 24, buttonHeight = button.cy + 10;
    width = std::max<int>(width, update.cx + kGap + buttonWidth);

    int top = kMargin;
    pbTable.Move(kMargin + (width - pbTable.Width()) / 2, top, pbTable.Width(), pbTable.Height());
    top += pbTable.Height() + kGap * 2;
    for (Runtime::Label* label : {&tlAbout, &tlVersion}) {
        int height = TextHeight(label->Caption());
        label->Move(kMargin, top, width, height);
        top += height + kGap;
    }
    for (LinkBox* link : {&tlSite, &tlMail}) {
        link->Move(kMargin, top, link->Width(), link->Height());
        top += link->Height() + kGap;
    }
    tlUpdate.Move(kMargin, top, width - buttonWidth - kGap, update.cy);
    bbUpdate.Move(kMargin + width - buttonWidth, top, buttonWidth, buttonHeight);
    top += std::max<int>(update.cy, buttonHeight) + kGap;
    tlRights.Move(kMargin, top, tlRights.Width(), tlRights.Height());
    top += tlRights.Height() + kGap;
    bbClose.Move(kMargin + width - buttonWidth, top, buttonWidth, buttonHeight);
    top += buttonHeight + kMargin;

    RECT outer{0, 0, width + 2 * kMargin, top};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(hWnd(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(hWnd(), GWL_EXSTYLE)));
    Move(Left(), Top(), outer.right - outer.left, outer.bottom - outer.top);
}

void fwAbout::Form_Activate()
{
    Common::SetTopMost(hWnd(), OnTop == 1);
}

void fwAbout::Form_KeyDown(int& keyCode, int)
{
    if (keyCode == VK_ESCAPE) Unload();
}

void fwAbout::Form_Unload(int&)
{
    // The checks still waiting end now (one cancel ends them all); the
    // control goes with the window.
    if (checks_ > 0) {
        Runtime::Variant ignored;
        ucUpdate.Call(L"Cancel", {}, ignored);
    }
    toTable.SetEnabled(false);
    ucUpdate.Close();
}

void fwAbout::bbClose_Click()
{
    Unload();
}

void fwAbout::tlRights_Click()
{
    tlRights.SetFocus();
}

void fwAbout::bbUpdate_Click()
{
    if (bbUpdate.Caption() == kCancelCaption) {
        Runtime::Variant ignored;
        ucUpdate.Call(L"Cancel", {}, ignored);
        bbUpdate.SetCaption(kCheckCaption);
        SetMousePointer(0);
        return;
    }
    SetMousePointer(11);
    bbUpdate.SetCaption(kCancelCaption);
    Runtime::Variant version;
    V_VT(version.Get()) = VT_BSTR;
    V_BSTR(version.Get()) = Runtime::AllocBstr(L"");
    VARIANT byRef;
    V_VT(&byRef) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&byRef) = version.Get();
    Runtime::Variant answer;
    ++checks_;
    HRESULT hr = ucUpdate.Created() ? ucUpdate.Call(L"CheckForUpdate", {byRef}, answer) : E_FAIL;
    // The window shows a check running until the last one is over.
    if (--checks_ == 0) {
        SetMousePointer(0);
        bbUpdate.SetCaption(kCheckCaption);
    }

    // A control that cannot be reached answers as an unreachable remote file does.
    int result = -1;
    if (SUCCEEDED(hr) && answer.ChangeType(VT_I4)) result = V_I4(answer.Get());
    std::wstring remote = version.ChangeType(VT_BSTR) ? Runtime::BstrText(V_BSTR(version.Get())) : L"";
    switch (result) {
    case -1:
        tlUpdate.SetCaption(L"Remote resource is not accessible now. Please try later.");
        break;
    case 0:
        tlUpdate.SetCaption(L"Your copy of the application is up to date.");
        bbUpdate.SetEnabled(false);
        break;
    case 1:
        tlUpdate.SetCaption(L"Version " + remote + L"\r\nis now available\r\nto download.");
        bbUpdate.SetEnabled(false);
        break;
    default:
        break;
    }
}
