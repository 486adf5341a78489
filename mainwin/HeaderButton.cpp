#include "mainwin/HeaderButton.h"

#include "runtime/PictureBox.h"

HeaderButton::HeaderButton(Runtime::Form* form, Runtime::PictureBox* strip, std::wstring name, int index)
    : Control(form, strip, std::move(name), index), strip_(strip)
{
}

void HeaderButton::Create(int left, int top, int width, int height, const std::wstring& caption)
{
    caption_ = caption;
    Move(left, top, width, height);
}

void HeaderButton::SetCaption(const std::wstring& caption)
{
    if (caption == caption_) return;
    caption_ = caption;
    Invalidate();
}

void HeaderButton::Move(int left, int top, int width, int height)
{
    Invalidate();
    Control::Move(left, top, width, height);
    Invalidate();
}

bool HeaderButton::Contains(int x, int y) const noexcept
{
    return x >= Left() && x < Left() + Width() && y >= Top() && y < Top() + Height();
}

void HeaderButton::Draw(HDC dc) const
{
    RECT r{Left(), Top(), Left() + Width(), Top() + Height()};
    RECT clip{}, shown{};
    if (GetClipBox(dc, &clip) != NULLREGION && !IntersectRect(&shown, &r, &clip)) return;
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColor = SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
}

void HeaderButton::Press(const Runtime::MouseArgs& args)
{
    Runtime::MouseArgs own = args;
    own.X -= Left();
    own.Y -= Top();
    Fire(MouseDown, own);
}

void HeaderButton::Invalidate() const
{
    // A hidden form is painted whole when shown.
    if (!strip_ || !strip_->hWnd() || Width() <= 0 || Height() <= 0 || !FormShown()) return;
    RECT r{Left(), Top(), Left() + Width(), Top() + Height()};
    InvalidateRect(strip_->hWnd(), &r, FALSE);
}
