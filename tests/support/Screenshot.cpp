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

namespace {

// The screen's pixels under the window rectangle, as RGB rows.
std::vector<uint8_t> CaptureScreen(const RECT& r)
{
    int width = r.right - r.left, height = r.bottom - r.top;
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
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    const auto* bgra = static_cast<const uint8_t*>(bits);
    for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
        rgb[i * 3] = bgra[i * 4 + 2];
        rgb[i * 3 + 1] = bgra[i * 4 + 1];
        rgb[i * 3 + 2] = bgra[i * 4];
    }
    return rgb;
}

} // namespace

std::string SaveWindowScreenshot(HWND wnd, const std::string& name)
{
    // Tests run side by side on one display: lift the window above the
    // others for the capture, and paint everything still pending.
    bool wasTopmost = (GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    SetWindowPos(wnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r{};
    std::vector<uint8_t> rgb;
    if (GetWindowRect(wnd, &r) && r.right > r.left && r.bottom > r.top) {
        // A window of another program paints in its own time: capture until
        // two captures in a row agree (a round trip through its message
        // queue between them), at most a few times.
        rgb = CaptureScreen(r);
        for (int attempt = 0; attempt < 20; ++attempt) {
            SendMessageTimeoutW(wnd, WM_NULL, 0, 0, SMTO_BLOCK, 2000, nullptr);
            Sleep(50);
            std::vector<uint8_t> again = CaptureScreen(r);
            bool stable = again == rgb;
            rgb = std::move(again);
            if (stable) break;
        }
    }
    if (!wasTopmost) SetWindowPos(wnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (rgb.empty()) return {};
    std::string path = ScreenshotFolder() + "/" + name + ".png";
    return WriteFileBytes(path, EncodePng(r.right - r.left, r.bottom - r.top, rgb)) ? path : std::string();
}

} // namespace TestSupport
