#include "runtime/Font.h"

#include <cmath>

namespace Runtime {

LOGFONTW ToLogFont(const FontSpec& fontSpec, int pixelsPerInch)
{
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(fontSpec.Size * pixelsPerInch / 72.0));
    lf.lfWeight = fontSpec.Bold ? FW_BOLD : fontSpec.Weight;
    lf.lfItalic = fontSpec.Italic;
    lf.lfUnderline = fontSpec.Underline;
    lf.lfStrikeOut = fontSpec.Strikethrough;
    lf.lfCharSet = static_cast<BYTE>(fontSpec.Charset);
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    lstrcpynW(lf.lfFaceName, fontSpec.Name.c_str(), LF_FACESIZE);
    return lf;
}

ScopedFont CreateScreenFont(const FontSpec& fontSpec)
{
    LOGFONTW lf = ToLogFont(fontSpec, ScreenDpiY());
    return ScopedFont(CreateFontIndirectW(&lf));
}

int ScreenDpiX()
{
    static const int dpi = [] { ScopedGetDC dc(nullptr); return GetDeviceCaps(dc.Get(), LOGPIXELSX); }();
    return dpi;
}

int ScreenDpiY()
{
    static const int dpi = [] { ScopedGetDC dc(nullptr); return GetDeviceCaps(dc.Get(), LOGPIXELSY); }();
    return dpi;
}

int TwipsPerPixelX() { return 1440 / ScreenDpiX(); }
int TwipsPerPixelY() { return 1440 / ScreenDpiY(); }

} // namespace Runtime
