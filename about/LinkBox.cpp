#include "about/LinkBox.h"

#include "about/ShellOpen.h"
#include "common/Geometry.h"
#include "common/Version.h"
#include "resources/AboutIds.h"
#include "runtime/App.h"
#include "runtime/ControlClass.h"
#include "runtime/MessageBox.h"

namespace {

const wchar_t kLinkBoxClass[] = L"OrlentaLinkBox";

// The hand pointer carried with the program; the system's when it is missing.
HCURSOR HandCursor()
{
    HCURSOR own = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ORLENTA_CURSOR_HAND));
    return own ? own : LoadCursorW(nullptr, IDC_HAND);
}

} // namespace

LinkBox::LinkBox(Runtime::Form* form, Runtime::Control* container, std::wstring name, int index)
    : Control(form, container, std::move(name), index),
      tlCaption(form, this, L"tlCaption"),
      toHotTracking(form, this, L"toHotTracking")
{
}

void LinkBox::Create(int left, int top, int width, int height)
{
    Runtime::RegisterControlClass(kLinkBoxClass, CS_DBLCLKS | CS_OWNDC);
    CreateControlWindow(kLinkBoxClass, WS_TABSTOP | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, L"", left, top, width,
                        height);
    dc_ = GetDC(hWnd()); // the class's own DC: it goes with the window
    tlCaption.SetFont(Font());
    tlCaption.SetForeColor(ForeColor());
    tlCaption.SetBackColor(BackColor());
    tlCaption.SetWordWrap(false);
    tlCaption.Create(0, 0, width, height);
    tlCaption.SetMousePointer(99);
    tlCaption.SetMouseIcon(HandCursor());
    tlCaption.Click = [this] { tlCaption_Click(); };
    tlCaption.MouseMove = [this](const Runtime::MouseArgs& args) { tlCaption_MouseMove(args); };
    tlCaption.MouseDown = [this](const Runtime::MouseArgs& args) { Fire(MouseDown, args); };
    tlCaption.MouseUp = [this](const Runtime::MouseArgs& args) { Fire(MouseUp, args); };
    toHotTracking.SetEnabled(false);
    toHotTracking.SetInterval(100);
    toHotTracking.Timer = [this] { toHotTracking_Timer(); };
    toHotTracking.Tag = L"True";
    SetUnderline(false);
    Relayout();
    if (Visible()) TakeOverHelp();
}

void LinkBox::SetAlignment(int alignment)
{
    if (alignment == alignment_) return;
    alignment_ = alignment;
    tlCaption.SetAlignment(alignment);
    Relayout();
    Changed(L"Alignment");
}

void LinkBox::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    Relayout();
    Changed(L"AutoSize");
}

void LinkBox::SetCaption(const std::wstring& caption)
{
    if (caption == tlCaption.Caption()) return;
    tlCaption.SetCaption(caption);
    Relayout();
    Changed(L"Caption");
}

void LinkBox::SetCaptionIsPath(bool captionIsPath)
{
    captionIsPath_ = captionIsPath;
    Changed(L"CaptionIsPath");
}

bool LinkBox::HotTracking() const
{
    return toHotTracking.Tag == L"True";
}

void LinkBox::SetHotTracking(bool hotTracking)
{
    toHotTracking.Tag = hotTracking ? L"True" : L"False";
    if (hotTracking) SetUnderline(false);
    Changed(L"HotTracking");
}

void LinkBox::SetPath(const std::wstring& path)
{
    tlCaption.Tag = path;
    Changed(L"Path");
}

void LinkBox::SetEnabled(bool enabled)
{
    Control::SetEnabled(enabled);
    Changed(L"Enabled");
}

void LinkBox::SetFont(const Runtime::FontSpec& font)
{
    if (font == Font()) return;
    Control::SetFont(font);
    Runtime::FontSpec shown = font;
    if (HotTracking()) shown.Underline = false;
    tlCaption.SetFont(shown);
    Relayout();
    Changed(L"Font");
}

void LinkBox::SetForeColor(Runtime::OleColor color)
{
    Control::SetForeColor(color);
    tlCaption.SetForeColor(color);
    Changed(L"ForeColor");
}

void LinkBox::SetBackColor(Runtime::OleColor color)
{
    if (color == BackColor()) return;
    Control::SetBackColor(color);
    tlCaption.SetBackColor(color);
    Changed(L"BackColor");
}

void LinkBox::SetVisible(bool visible)
{
    Control::SetVisible(visible);
    if (visible) TakeOverHelp();
}

void LinkBox::TakeOverHelp()
{
    // Shown on the form: the label answers for the control's help and tip.
    tlCaption.WhatsThisHelpID = WhatsThisHelpID;
    SetToolTipText();
}

void LinkBox::Move(int left, int top, int width, int height)
{
    Control::Move(left, top, width, height);
    Relayout();
}

std::wstring LinkBox::Version()
{
    return L" " + Common::AppVersion(0);
}

void LinkBox::AboutBox()
{
    Runtime::MsgBox(Runtime::App::VersionString(L"FileDescription") + L"\r\n\r\nVersion" + Version(),
                    MB_ICONINFORMATION, L"About...");
}

void LinkBox::SetToolTipText(std::optional<std::wstring> text)
{
    tlCaption.SetToolTipText(text ? *text : ToolTipText());
}

int LinkBox::TextHeight(const std::wstring& text) const
{
    return Extent(FontHandle(), text).cy;
}

int LinkBox::TextWidth(const std::wstring& text) const
{
    return Extent(FontHandle(), text).cx;
}

bool LinkBox::OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result)
{
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT box{};
        GetClientRect(hWnd(), &box);
        FillRect(reinterpret_cast<HDC>(wParam), &box, BackBrush());
        result = 1;
        return true;
    }
    case WM_SETFOCUS:
        if (HotTracking()) SetUnderline(true);
        return false;
    case WM_KILLFOCUS:
        if (HotTracking()) SetUnderline(false);
        return false;
    default:
        return false;
    }
}

void LinkBox::tlCaption_Click()
{
    Fire(Click);
    std::wstring target;
    if (!Path().empty() && !captionIsPath_)
        target = Path();
    else if (!Caption().empty() && captionIsPath_)
        target = Caption();
    if (!target.empty()) About::ShellOpen(target);
}

void LinkBox::tlCaption_MouseMove(const Runtime::MouseArgs& args)
{
    if (HotTracking()) {
        SetUnderline(true);
        toHotTracking.SetEnabled(true);
    } else {
        toHotTracking.SetEnabled(false);
    }
    Fire(MouseMove, args);
}

void LinkBox::toHotTracking_Timer()
{
    POINT cursor{};
    RECT box{};
    GetCursorPos(&cursor);
    GetWindowRect(hWnd(), &box);
    bool inside = cursor.x >= box.left && cursor.x <= box.right && cursor.y >= box.top && cursor.y <= box.bottom;
    if (inside) return;
    SetUnderline(false);
    toHotTracking.SetEnabled(false);
}

void LinkBox::SetUnderline(bool underline)
{
    if (tlCaption.Font().Underline == underline) return;
    Runtime::FontSpec font = tlCaption.Font();
    font.Underline = underline;
    tlCaption.SetFont(font);
}

SIZE LinkBox::Extent(HFONT font, const std::wstring& text) const
{
    Runtime::ScopedSelect selected(dc_, font);
    RECT box{};
    // An empty text still has the height of a line.
    const wchar_t* shown = text.empty() ? L" " : text.c_str();
    DrawTextW(dc_, shown, text.empty() ? 1 : static_cast<int>(text.size()), &box, DT_CALCRECT | DT_NOPREFIX);
    return {text.empty() ? 0 : box.right - box.left, box.bottom - box.top};
}

void LinkBox::Relayout()
{
    if (!hWnd() || !tlCaption.hWnd()) return;
    if (autoSize_) {
        SIZE text = Extent(tlCaption.FontHandle(), tlCaption.Caption());
        tlCaption.Move(0, 0, text.cx, text.cy);
        Control::Move(Left(), Top(), tlCaption.Width(), tlCaption.Height());
    } else {
        RECT inner{};
        GetClientRect(hWnd(), &inner);
        tlCaption.Move(0, 0, tlCaption.Width(), tlCaption.Height());
        Common::SetSize(tlCaption, inner.right, inner.bottom);
    }
}

void LinkBox::Changed(const wchar_t* name)
{
    if (PropertyChanged) PropertyChanged(name);
}
