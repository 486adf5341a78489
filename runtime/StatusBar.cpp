#include "runtime/StatusBar.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

#include "runtime/CommonControls.h"
#include "runtime/Form.h"
#include "runtime/Subclass.h"

namespace Runtime {

namespace {

const UINT_PTR kContainerSubclass = 0x5342; // on the window the bars are aligned in
const UINT_PTR kKeyTimer = 1;
const UINT kKeyPollMs = 200;

const wchar_t* KeyName(int style)
{
    switch (style) {
    case Panel::StyleCaps: return L"CAPS";
    case Panel::StyleNum: return L"NUM";
    case Panel::StyleIns: return L"INS";
    case Panel::StyleScrl: return L"SCRL";
    case Panel::StyleKana: return L"KANA";
    default: return L"";
    }
}

bool ValidStyle(int style)
{
    return style == Panel::StyleText || style == Panel::StyleCaps || style == Panel::StyleNum ||
           style == Panel::StyleIns || style == Panel::StyleScrl || style == Panel::StyleKana;
}

} // namespace

// ---- Panel

int Panel::KeyCode() const noexcept
{
    switch (style_) {
    case StyleCaps: return VK_CAPITAL;
    case StyleNum: return VK_NUMLOCK;
    case StyleIns: return VK_INSERT;
    case StyleScrl: return VK_SCROLL;
    case StyleKana: return VK_KANA;
    default: return 0;
    }
}

void Panel::SetStyle(int style)
{
    if (!ValidStyle(style)) Raise(ErrInvalidProperty);
    style_ = style;
    owner_.ShowText(*this);
    owner_.ShowParts(); // the key-poll timer follows the styles
}

void Panel::SetWidth(int width)
{
    if (width < 0) Raise(ErrInvalidProperty);
    if (width == width_) return;
    width_ = width;
    // Texts and styles stay: resending them all would cost a repaint of
    // the bar for each.
    owner_.ShowWidths();
}

int Panel::Left() const
{
    int left = 0;
    for (const auto& p : owner_.panels_.list_) {
        if (p.get() == this) break;
        left += p->width_;
    }
    return left;
}

void Panel::SetText(const std::wstring& text)
{
    if (text == text_) return;
    text_ = text;
    owner_.ShowText(*this);
}

void Panel::SetToolTipText(const std::wstring& text)
{
    toolTip_ = text;
    owner_.ShowTips();
}

void Panel::SetBevel(int bevel)
{
    if (bevel < BevelNone || bevel > BevelRaised) Raise(ErrInvalidProperty);
    bevel_ = bevel;
    owner_.ShowText(*this);
}

// ---- panels

Panel& StatusBar::PanelCollection::Add(const std::wstring& key, const std::wstring& text, int width, int style)
{
    if (width < 0 || !ValidStyle(style)) Raise(ErrInvalidProperty);
    auto made = std::unique_ptr<Panel>(new Panel(owner_));
    made->key_ = key;
    made->text_ = text;
    made->width_ = width;
    made->style_ = style;
    Panel& panel = list_.Insert(0, std::move(made));
    owner_.ShowParts();
    return panel;
}

void StatusBar::PanelCollection::Clear()
{
    list_.Clear();
    owner_.ShowParts();
}

// ---- StatusBar

StatusBar::StatusBar(Form* form, Control* container, std::wstring name, int index)
    : Control(form, container, std::move(name), index)
{
}

StatusBar::~StatusBar()
{
    HWND wnd = hWnd();
    if (wnd) KillTimer(wnd, kKeyTimer);
}

void StatusBar::Create(int height)
{
    if (height < 0) Raise(ErrInvalidProperty);
    EnsureCommonControls();
    CreateControlWindow(STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0, L"", 0, 0, 0,
                        height);
    keyStates_ = KeyStates();
    ShowParts();
    AlignInContainer();
}

void StatusBar::SetAlign(int align)
{
    if (align != AlignNone && align != AlignBottom) Raise(ErrInvalidProperty);
    align_ = align;
    AlignInContainer();
}

void StatusBar::Move(int left, int top, int width, int height)
{
    if (align_ == AlignNone || !hWnd()) {
        Control::Move(left, top, width, height);
        return;
    }
    if (height < 0) Raise(ErrInvalidCall);
    Control::Move(Left(), Top(), Width(), height);
    AlignBars(GetParent(hWnd()));
}

void StatusBar::SetVisible(bool visible)
{
    Control::SetVisible(visible);
    if (hWnd() && align_ == AlignBottom) AlignBars(GetParent(hWnd()));
}

void StatusBar::AlignInContainer()
{
    HWND wnd = hWnd();
    if (!wnd || align_ != AlignBottom) return;
    HWND parent = GetParent(wnd);
    AddSubclass(parent, ContainerProc, kContainerSubclass, 0);
    AlignBars(parent);
}

// Stacks the visible bottom-aligned bars of `parent` at its bottom edge, in
// the order they were created, each as wide as the parent's client area.
void StatusBar::AlignBars(HWND parent)
{
    Form* form = Form::FromWindow(parent);
    if (!form) return;
    std::vector<StatusBar*> bars;
    int total = 0;
    for (Control* c : form->Controls()) {
        auto* bar = dynamic_cast<StatusBar*>(c);
        if (bar && bar->hWnd() && GetParent(bar->hWnd()) == parent && bar->align_ == AlignBottom && bar->Visible()) {
            bars.push_back(bar);
            total += bar->Height();
        }
    }
    RECT client{};
    GetClientRect(parent, &client);
    int top = client.bottom - total;
    for (StatusBar* bar : bars) {
        bar->Control::Move(0, top, client.right, bar->Height());
        top += bar->Height();
    }
}

LRESULT CALLBACK StatusBar::ContainerProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (msg == WM_NCDESTROY) {
        RemoveSubclass(wnd, ContainerProc, kContainerSubclass);
    } else if (msg == WM_SIZE) {
        // The bars are in place before the container's own resize handler runs.
        try {
            AlignBars(wnd);
        } catch (...) {
        }
    }
    return DefSubclass(wnd, msg, wParam, lParam);
}

void StatusBar::SendPartEdges()
{
    HWND wnd = hWnd();
    if (!wnd) return;
    std::vector<int> rights;
    int right = 0;
    for (const auto& p : panels_.list_) {
        right += p->width_;
        rights.push_back(right);
    }
    if (rights.empty()) rights.push_back(-1);
    SendMessageW(wnd, SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
}

void StatusBar::ShowWidths()
{
    SendPartEdges();
    if (tips_.Get()) ShowTips(); // the tips cover the panels' new places
}

void StatusBar::ShowParts()
{
    HWND wnd = hWnd();
    if (!wnd) return;
    SendPartEdges();
    bool keys = false;
    for (const auto& p : panels_.list_) {
        ShowText(*p);
        keys = keys || p->KeyCode() != 0;
    }
    if (panels_.list_.Count() == 0) SendMessageW(wnd, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L""));
    if (keys) SetTimer(wnd, kKeyTimer, kKeyPollMs, nullptr);
    else KillTimer(wnd, kKeyTimer);
    ShowTips();
}

void StatusBar::ShowText(const Panel& panel)
{
    HWND wnd = hWnd();
    if (!wnd || panel.index_ < 1) return;
    WPARAM part = static_cast<WPARAM>(panel.index_ - 1);
    if (panel.bevel_ == Panel::BevelNone) part |= SBT_NOBORDERS;
    if (panel.bevel_ == Panel::BevelRaised) part |= SBT_POPOUT;
    if (panel.KeyCode()) {
        // Drawn here, so that the text can be greyed.
        SendMessageW(wnd, SB_SETTEXTW, part | SBT_OWNERDRAW, static_cast<LPARAM>(panel.index_));
    } else {
        SendMessageW(wnd, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(panel.text_.c_str()));
    }
}

void StatusBar::ShowTips()
{
    HWND wnd = hWnd();
    if (!wnd) return;
    bool any = false;
    for (const auto& p : panels_.list_) any = any || !p->toolTip_.empty();
    if (!any && !tips_.Get()) return;
    if (!tips_.Get()) {
        HWND owner = GetAncestor(wnd, GA_ROOT);
        tips_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                    GetModuleHandleW(nullptr), nullptr));
        if (!tips_.Get()) return;
    }
    // One tool per panel with a tip, over the panel's part of the bar.
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = wnd;
    while (SendMessageW(tips_.Get(), TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&ti))) {
        SendMessageW(tips_.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
        ti = TTTOOLINFOW{};
        ti.cbSize = sizeof ti;
    }
    RECT client{};
    GetClientRect(wnd, &client);
    for (const auto& p : panels_.list_) {
        if (p->toolTip_.empty()) continue;
        ti = TTTOOLINFOW{};
        ti.cbSize = sizeof ti;
        ti.uFlags = 0; // the bar relays the mouse messages itself
        ti.hwnd = wnd;
        ti.uId = static_cast<UINT_PTR>(p->index_);
        ti.rect = RECT{p->Left(), 0, p->Left() + p->width_, client.bottom > 0 ? client.bottom : Height()};
        ti.lpszText = const_cast<wchar_t*>(p->toolTip_.c_str());
        SendMessageW(tips_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

unsigned StatusBar::KeyStates() const
{
    unsigned states = 0;
    const int keys[] = {VK_CAPITAL, VK_NUMLOCK, VK_INSERT, VK_SCROLL, VK_KANA};
    for (unsigned i = 0; i < 5; ++i)
        if (GetKeyState(keys[i]) & 1) states |= 1u << i;
    return states;
}

void StatusBar::Refresh()
{
    HWND wnd = hWnd();
    if (!wnd) return;
    keyStates_ = KeyStates();
    InvalidateRect(wnd, nullptr, TRUE);
    UpdateWindow(wnd);
}

Panel* StatusBar::PanelAtX(int x) const
{
    int left = 0;
    for (const auto& p : panels_.list_) {
        if (x >= left && x < left + p->width_) return p.get();
        left += p->width_;
    }
    return nullptr;
}

void StatusBar::DrawKeyPanel(const DRAWITEMSTRUCT& item)
{
    int index = static_cast<int>(item.itemData);
    if (index < 1 || index > panels_.Count()) return;
    const Panel& panel = panels_.list_.At(index);
    bool on = (GetKeyState(panel.KeyCode()) & 1) != 0;
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    r.left += 2;
    ScopedSelect font(dc, FontHandle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(on ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawTextW(dc, KeyName(panel.style_), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
}

bool StatusBar::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (tips_.Get() && msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK) {
        // The tips learn of the mouse from here rather than by subclassing
        // the bar (see Subclass.h for why).
        MSG relayed{hWnd(), msg, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
        DWORD pos = GetMessagePos();
        relayed.pt = POINT{GET_X_LPARAM(static_cast<LPARAM>(pos)), GET_Y_LPARAM(static_cast<LPARAM>(pos))};
        SendMessageW(tips_.Get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
    switch (msg) {
    case WM_TIMER:
        if (wParam != kKeyTimer) return false;
        if (unsigned states = KeyStates(); states != keyStates_) {
            keyStates_ = states;
            InvalidateRect(hWnd(), nullptr, TRUE);
        }
        result = 0;
        return true;
    case WM_NCDESTROY:
        KillTimer(hWnd(), kKeyTimer);
        panels_.list_.Clear();
        tips_.Reset();
        return false;
    default:
        return false;
    }
}

bool StatusBar::OnReflect(UINT msg, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (msg == WM_DRAWITEM) {
        DrawKeyPanel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    if (msg != WM_NOTIFY) return false;
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (hdr->code != NM_CLICK && hdr->code != NM_DBLCLK) return false;
    const auto* mouse = reinterpret_cast<const NMMOUSE*>(lParam);
    Panel* panel = PanelAtX(mouse->pt.x);
    bool dbl = hdr->code == NM_DBLCLK;
    if (panel) Fire(dbl ? PanelDblClick : PanelClick, *panel);
    Fire(dbl ? DblClick : Click);
    return false;
}

} // namespace Runtime
