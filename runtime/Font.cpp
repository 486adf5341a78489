#include "runtime/Font.h"

#include <cmath>

namespace Runtime {

LOGFONTW ToLogFont(const FontSpec& spec, int pixelsPerInch)
{
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(spec.Size * pixelsPerInch / 72.0));
    lf.lfWeight = spec.Bold ? FW_BOLD : spec.Weight;
    lf.lfItalic = spec.Italic;
    lf.lfUnderline = spec.Underline;
    lf.lfStrikeOut = spec.Strikethrough;
    lf.lfCharSet = static_cast<BYTE>(spec.Charset);
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    lstrcpynW(lf.lfFaceName, spec.Name.c_str(), LF_FACESIZE);
    return lf;
}

ScopedFont CreateScreenFont(const FontSpec& spec)
{
    LOGFONTW lf = ToLogFont(spec, ScreenDpiY());
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
