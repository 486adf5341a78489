#include "runtime/PictureBox.h"

#include <vector>

#include "runtime/ControlClass.h"

namespace Runtime {

namespace {

const wchar_t kPictureBoxClass[] = L"OrlentaPictureBox";

// The lines of a text: split at CR LF, CR or LF.
std::vector<std::wstring> SplitLines(const std::wstring& text)
{
    std::vector<std::wstring> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (c == L'\r' || c == L'\n') {
            if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

int LineHeight(HDC dc)
{
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    return tm.tmHeight;
}

int LineWidth(HDC dc, const std::wstring& line)
{
    SIZE size{};
    GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &size);
    return size.cx;
}

} // namespace

PictureBox::PictureBox(Form* form, Control* container, std::wstring name, int index)
    : ClickableControl(form, container, std::move(name), index)
{
    FocusOnPress = true;
}

void PictureBox::Create(int left, int top, int width, int height)
{
    RegisterControlClass(kPictureBoxClass, CS_DBLCLKS | CS_OWNDC);
    // Made with its frame: changing the frame afterwards costs Wine several
    // round trips to its server.
    DWORD style = WS_CLIPCHILDREN | (tabStop_ ? WS_TABSTOP : 0) | FrameStyle();
    CreateControlWindow(kPictureBoxClass, style, WS_EX_CONTROLPARENT | FrameExStyle(), L"", left, top, width, height);
    SyncImageSize();
}

DWORD PictureBox::FrameStyle() const noexcept
{
    return borderStyle_ == 1 && appearance_ == 0 ? WS_BORDER : 0;
}

DWORD PictureBox::FrameExStyle() const noexcept
{
    return borderStyle_ == 1 && appearance_ == 1 ? WS_EX_CLIENTEDGE : 0;
}

void PictureBox::ApplyFrameStyle()
{
    if (!hWnd()) return;
    LONG_PTR oldStyle = GetWindowLongPtrW(hWnd(), GWL_STYLE);
    LONG_PTR oldExStyle = GetWindowLongPtrW(hWnd(), GWL_EXSTYLE);
    LONG_PTR style = (oldStyle & ~static_cast<LONG_PTR>(WS_BORDER)) | FrameStyle();
    LONG_PTR exStyle = (oldExStyle & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE)) | FrameExStyle();
    if (style == oldStyle && exStyle == oldExStyle) return;
    SetWindowLongPtrW(hWnd(), GWL_STYLE, style);
    SetWindowLongPtrW(hWnd(), GWL_EXSTYLE, exStyle);
    SetWindowPos(hWnd(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SyncImageSize();
}

void PictureBox::SetBorderStyle(int style)
{
    if (style != 0 && style != 1) Raise(ErrInvalidProperty);
    borderStyle_ = style;
    ApplyFrameStyle();
}

void PictureBox::SetAppearance(int appearance)
{
    if (appearance != 0 && appearance != 1) Raise(ErrInvalidProperty);
    appearance_ = appearance;
    ApplyFrameStyle();
}

void PictureBox::SetTabStop(bool tabStop)
{
    tabStop_ = tabStop;
    if (!hWnd()) return;
    LONG_PTR style = GetWindowLongPtrW(hWnd(), GWL_STYLE) & ~static_cast<LONG_PTR>(WS_TABSTOP);
    SetWindowLongPtrW(hWnd(), GWL_STYLE, style | (tabStop ? WS_TABSTOP : 0));
}

void PictureBox::SetAutoRedraw(bool autoRedraw)
{
    if (autoRedraw == autoRedraw_) return;
    autoRedraw_ = autoRedraw;
    if (!autoRedraw_) image_.Reset();
    SyncImageSize();
    Invalidate(false);
}

HDC PictureBox::hDC() const noexcept
{
    return autoRedraw_ && image_.Valid() ? image_.Dc() : WindowDC();
}

HDC PictureBox::WindowDC() const noexcept
{
    // Taken when first asked for: the window's own DC, released with the
    // window. Taking it costs Wine round trips to its server, and most
    // boxes are only ever painted.
    if (!windowDc_ && hWnd()) {
        windowDc_ = GetDC(hWnd());
        PrepareDC(windowDc_);
    }
    return windowDc_;
}

void PictureBox::PrepareDC(HDC dc) const
{
    if (!dc) return;
    if (font_) SelectObject(dc, font_);
    SetTextColor(dc, ResolveColor(ForeColor()));
    SetBkMode(dc, TRANSPARENT);
}

void PictureBox::PaintBackground(HDC dc, int width, int height) const
{
    RECT r{0, 0, width, height};
    ScopedBrush brush(CreateSolidBrush(ResolveColor(BackColor())));
    FillRect(dc, &r, brush.Get());
    picture_.Draw(dc, 0, 0);
}

void PictureBox::SyncImageSize()
{
    if (!hWnd() || !autoRedraw_) return;
    bool fresh = !image_.Valid();
    int oldWidth = image_.Width(), oldHeight = image_.Height();
    RECT r{};
    GetClientRect(hWnd(), &r);
    if (!image_.Resize(r.right, r.bottom, ResolveColor(BackColor()))) return;
    if (fresh) {
        PrepareDC(image_.Dc());
        PaintBackground(image_.Dc(), image_.Width(), image_.Height());
        return;
    }
    // The area that is new shows the picture where the picture reaches it.
    if (picture_ && (image_.Width() > oldWidth || image_.Height() > oldHeight)) {
        HDC dc = image_.Dc();
        int saved = SaveDC(dc);
        ExcludeClipRect(dc, 0, 0, oldWidth, oldHeight);
        picture_.Draw(dc, 0, 0);
        RestoreDC(dc, saved);
    }
}

Picture PictureBox::Image() const
{
    if (!hWnd()) return {};
    bool persistent = autoRedraw_ && image_.Valid();
    int w = persistent ? image_.Width() : ScaleWidth(), h = persistent ? image_.Height() : ScaleHeight();
    if (w <= 0) w = 1;
    if (h <= 0) h = 1;
    ScopedGetDC screen(nullptr);
    ScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), w, h));
    if (!bitmap) return {};
    {
        // Copied through a DC: the image's bitmap stays selected in its own.
        ScopedMemDC mem(screen.Get());
        ScopedSelect select(mem.Get(), bitmap.Get());
        if (persistent) BitBlt(mem.Get(), 0, 0, w, h, image_.Dc(), 0, 0, SRCCOPY);
        else PaintBackground(mem.Get(), w, h);
    }
    return Runtime::Picture::FromBitmap(bitmap.Release());
}

void PictureBox::SetPicture(const Runtime::Picture& picture)
{
    picture_ = picture;
    Cls();
}

void PictureBox::SetBackColor(OleColor color)
{
    Control::SetBackColor(color);
    Cls();
}

void PictureBox::SetForeColor(OleColor color)
{
    Control::SetForeColor(color);
    PrepareDC(windowDc_);
    PrepareDC(image_.Dc());
}

void PictureBox::Drawn()
{
    if (autoRedraw_) Invalidate(false);
}

void PictureBox::Cls()
{
    currentX_ = currentY_ = 0;
    if (!hWnd()) return;
    if (autoRedraw_ && image_.Valid()) {
        PaintBackground(image_.Dc(), image_.Width(), image_.Height());
        Drawn();
    } else if (IsWindowVisible(hWnd())) {
        PaintBackground(WindowDC(), ScaleWidth(), ScaleHeight());
    }
}

void PictureBox::Print(const std::wstring& text, bool newLine)
{
    HDC dc = TargetDC();
    if (!dc) return;
    std::vector<std::wstring> lines = SplitLines(text);
    int height = LineHeight(dc);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::wstring& line = lines[i];
        TextOutW(dc, currentX_, currentY_, line.c_str(), static_cast<int>(line.size()));
        if (i + 1 < lines.size() || newLine) {
            currentX_ = 0;
            currentY_ += height;
        } else {
            currentX_ += LineWidth(dc, line);
        }
    }
    Drawn();
}

int PictureBox::TextWidth(const std::wstring& text) const
{
    HDC dc = hDC();
    if (!dc) return 0;
    int widest = 0;
    for (const std::wstring& line : SplitLines(text)) {
        int w = LineWidth(dc, line);
        if (w > widest) widest = w;
    }
    return widest;
}

int PictureBox::TextHeight(const std::wstring& text) const
{
    HDC dc = hDC();
    return dc ? LineHeight(dc) * static_cast<int>(SplitLines(text).size()) : 0;
}

void PictureBox::Line(int x1, int y1, int x2, int y2, OleColor color, int shape)
{
    if (shape < LineOnly || shape > LineBoxFilled) Raise(ErrInvalidCall);
    HDC dc = TargetDC();
    if (!dc) return;
    COLORREF rgb = ResolveColor(color == DefaultColor ? ForeColor() : color);
    if (shape == LineOnly) {
        ScopedPen pen(CreatePen(PS_SOLID, 1, rgb));
        ScopedSelect select(dc, pen.Get());
        MoveToEx(dc, x1, y1, nullptr);
        LineTo(dc, x2, y2);
    } else {
        RECT r{x1 < x2 ? x1 : x2, y1 < y2 ? y1 : y2, (x1 < x2 ? x2 : x1) + 1, (y1 < y2 ? y2 : y1) + 1};
        ScopedBrush brush(CreateSolidBrush(rgb));
        if (shape == LineBoxFilled) FillRect(dc, &r, brush.Get());
        else FrameRect(dc, &r, brush.Get());
    }
    currentX_ = x2, currentY_ = y2;
    Drawn();
}

void PictureBox::PSet(int x, int y, OleColor color)
{
    HDC dc = TargetDC();
    if (!dc) return;
    SetPixelV(dc, x, y, ResolveColor(color == DefaultColor ? ForeColor() : color));
    currentX_ = x, currentY_ = y;
    Drawn();
}

long PictureBox::Point(int x, int y) const
{
    HDC dc = hDC();
    if (!dc || x < 0 || y < 0 || x >= ScaleWidth() || y >= ScaleHeight()) return -1;
    COLORREF c = GetPixel(dc, x, y);
    return c == CLR_INVALID ? -1 : static_cast<long>(c);
}

void PictureBox::PaintPicture(const Runtime::Picture& picture, int x, int y, int width, int height)
{
    HDC dc = TargetDC();
    if (!dc || !picture) return;
    picture.Draw(dc, x, y, width, height);
    Drawn();
}

int PictureBox::ScaleWidth() const
{
    RECT r{};
    if (hWnd()) GetClientRect(hWnd(), &r);
    return r.right;
}

int PictureBox::ScaleHeight() const
{
    RECT r{};
    if (hWnd()) GetClientRect(hWnd(), &r);
    return r.bottom;
}

void PictureBox::Refresh()
{
    if (!hWnd()) return;
    InvalidateRect(hWnd(), nullptr, FALSE);
    UpdateWindow(hWnd());
}

void PictureBox::OnPaint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hWnd(), &ps);
    if (autoRedraw_ && image_.Valid()) {
        BitBlt(dc, 0, 0, image_.Width(), image_.Height(), image_.Dc(), 0, 0, SRCCOPY);
    } else {
        PaintBackground(dc, ScaleWidth(), ScaleHeight());
        PrepareDC(dc);
        Fire(Paint);
    }
    EndPaint(hWnd(), &ps);
}

bool PictureBox::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (HandleClickMessage(msg, wParam, lParam, result)) return true;
    switch (msg) {
    case WM_SETFONT:
        // Select the new font before the old one is deleted.
        font_ = reinterpret_cast<HFONT>(wParam);
        PrepareDC(windowDc_);
        PrepareDC(image_.Dc());
        return false;
    case WM_ERASEBKGND:
        result = 1; // WM_PAINT paints all of it
        return true;
    case WM_PAINT:
        OnPaint();
        result = 0;
        return true;
    case WM_SIZE:
        SyncImageSize();
        Fire(Resize);
        return false;
    case WM_GETDLGCODE:
        result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return true;
    case WM_DESTROY:
        image_.Reset();
        windowDc_ = nullptr;
        return false;
    default:
        return false;
    }
}

} // namespace Runtime
