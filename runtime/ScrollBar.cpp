#include "runtime/ScrollBar.h"

#include <cstdlib>

namespace Runtime {

namespace {

bool IsInteger16(int v) { return v >= -32768 && v <= 32767; }

} // namespace

ScrollBar::ScrollBar(Form* form, Control* container, std::wstring name, int index)
    : Control(form, container, std::move(name), index)
{
}

void ScrollBar::Create(int left, int top, int width, int height, int orientation)
{
    DWORD style = WS_TABSTOP | (orientation == Horizontal ? SBS_HORZ : SBS_VERT);
    CreateControlWindow(L"ScrollBar", style, 0, L"", left, top, width, height);
    ShowRange();
}

int ScrollBar::Clamp(int value) const noexcept
{
    return value < Low() ? Low() : value > High() ? High() : value;
}

int ScrollBar::ToPosition(int value) const noexcept
{
    return min_ <= max_ ? value - min_ : min_ - value;
}

int ScrollBar::FromPosition(int position) const noexcept
{
    return Clamp(min_ <= max_ ? min_ + position : min_ - position);
}

void ScrollBar::ShowRange()
{
    if (!hWnd()) return;
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = std::abs(max_ - min_);
    si.nPage = 0; // a fixed-size thumb: every value can be reached
    si.nPos = ToPosition(value_);
    SetScrollInfo(hWnd(), SB_CTL, &si, TRUE);
}

void ScrollBar::ShowValue()
{
    if (!hWnd()) return;
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_POS;
    si.nPos = ToPosition(value_);
    SetScrollInfo(hWnd(), SB_CTL, &si, TRUE);
}

void ScrollBar::MoveTo(int value)
{
    value = Clamp(value);
    if (value == value_) return;
    value_ = value;
    ShowValue();
    Fire(Change);
}

void ScrollBar::SetMin(int min)
{
    SetEnd(min_, min);
}

void ScrollBar::SetMax(int max)
{
    SetEnd(max_, max);
}

void ScrollBar::SetEnd(int& end, int to)
{
    if (!IsInteger16(to)) Raise(ErrInvalidProperty);
    end = to;
    int value = Clamp(value_);
    ShowRange();
    MoveTo(value);
}

void ScrollBar::SetValue(int value)
{
    if (value < Low() || value > High()) Raise(ErrInvalidProperty);
    MoveTo(value);
}

void ScrollBar::SetSmallChange(int change)
{
    if (change < 1 || change > 32767) Raise(ErrInvalidProperty);
    smallChange_ = change;
}

void ScrollBar::SetLargeChange(int change)
{
    if (change < 1 || change > 32767) Raise(ErrInvalidProperty);
    largeChange_ = change;
}

bool ScrollBar::OnReflect(UINT msg, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (msg != WM_VSCROLL && msg != WM_HSCROLL) return false;
    // Steps count from the Min end: "down" (or right) goes towards Max.
    int toMax = min_ <= max_ ? 1 : -1;
    switch (LOWORD(wParam)) {
    case SB_LINEDOWN: MoveTo(value_ + toMax * smallChange_); break;
    case SB_LINEUP: MoveTo(value_ - toMax * smallChange_); break;
    case SB_PAGEDOWN: MoveTo(value_ + toMax * largeChange_); break;
    case SB_PAGEUP: MoveTo(value_ - toMax * largeChange_); break;
    case SB_TOP: MoveTo(min_); break;
    case SB_BOTTOM: MoveTo(max_); break;
    case SB_THUMBTRACK: {
        // The position is exact in the message: the range never exceeds 16 bits.
        int value = FromPosition(HIWORD(wParam));
        if (value != value_) {
            value_ = value;
            draggedAway_ = true;
            ShowValue();
            Fire(Scroll);
        }
        break;
    }
    case SB_THUMBPOSITION: {
        int value = FromPosition(HIWORD(wParam));
        bool moved = draggedAway_ || value != value_;
        draggedAway_ = false;
        value_ = value;
        ShowValue();
        if (moved) Fire(Change);
        break;
    }
    default: break; // SB_ENDSCROLL
    }
    result = 0;
    return true;
}

} // namespace Runtime
