#include "runtime/Image.h"

#include "runtime/ControlClass.h"
#include "runtime/Form.h"

namespace Runtime {

namespace {

const wchar_t kImageClass[] = L"OrlentaImage";

} // namespace

Image::Image(Form* form, Control* container, std::wstring name, int index)
    : ClickableControl(form, container, std::move(name), index)
{
}

void Image::Create(int left, int top, int width, int height)
{
    RegisterControlClass(kImageClass, CS_DBLCLKS);
    CreateControlWindow(kImageClass, 0, 0, L"", left, top, width, height);
    FitToPicture();
}

void Image::SetPicture(const Runtime::Picture& picture)
{
    picture_ = picture;
    FitToPicture();
    Invalidate();
}

void Image::SetStretch(bool stretch)
{
    stretch_ = stretch;
    FitToPicture();
    Invalidate();
}

void Image::FitToPicture()
{
    if (!stretch_ && picture_) Move(Left(), Top(), picture_.Width(), picture_.Height());
}

OleColor Image::ContainerBackColor() const
{
    if (Container()) return Container()->BackColor();
    return ParentForm() ? ParentForm()->BackColor() : ColorButtonFace;
}

bool Image::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (HandleClickMessage(msg, wParam, lParam, result)) return true;
    switch (msg) {
    case WM_ERASEBKGND:
        result = 1;
        return true;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hWnd(), &ps);
        RECT r{};
        GetClientRect(hWnd(), &r);
        ScopedBrush brush(CreateSolidBrush(ResolveColor(ContainerBackColor())));
        FillRect(dc, &r, brush.Get());
        if (stretch_) picture_.Draw(dc, 0, 0, r.right, r.bottom);
        else picture_.Draw(dc, 0, 0);
        EndPaint(hWnd(), &ps);
        result = 0;
        return true;
    }
    default:
        return false;
    }
}

} // namespace Runtime
