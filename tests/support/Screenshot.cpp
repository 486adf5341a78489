#include "tests/support/Screenshot.h"

#include "runtime/ScopedWin.h"
#include "tests/support/Png.h"

#include <vector>

namespace TestSupport {

std::string ScreenshotFolder()
{
    // The build tree is a Linux path; Wine maps "/" to the Z: drive.
    std::string folder = std::string("Z:") + ORLENTA_BINARY_DIR + "/screenshots";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string SaveWindowScreenshot(HWND wnd, const std::string& name)
{
    // Tests run side by side on one display: lift the window above the
    // others for the capture, and paint everything still pending.
    bool wasTopmost = (GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    SetWindowPos(wnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r{};
    if (!GetWindowRect(wnd, &r)) return {};
    int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return {};

    Runtime::ScopedGetDC screen(nullptr);
    Runtime::ScopedMemDC mem(screen.Get());
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    Runtime::ScopedBitmap dib(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib) return {};
    {
        Runtime::ScopedSelect select(mem.Get(), dib.Get());
        BitBlt(mem.Get(), 0, 0, width, height, screen.Get(), r.left, r.top, SRCCOPY);
    }
    GdiFlush();
    if (!wasTopmost) SetWindowPos(wnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    const auto* bgra = static_cast<const uint8_t*>(bits);
    for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
        rgb[i * 3] = bgra[i * 4 + 2];
        rgb[i * 3 + 1] = bgra[i * 4 + 1];
        rgb[i * 3 + 2] = bgra[i * 4];
    }
    std::string path = ScreenshotFolder() + "/" + name + ".png";
    return WriteFileBytes(path, EncodePng(width, height, rgb)) ? path : std::string();
}

} // namespace TestSupport
