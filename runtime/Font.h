#pragma once
// A control's font as the program sets it: name, point size and attributes.
// The GDI font is made on demand and owned by the FontSpec's holder.
#include <windows.h>
#include <string>

#include "runtime/ScopedWin.h"

namespace Runtime {

struct FontSpec {
    std::wstring Name = L"Tahoma";
    double Size = 8.25;          // points
    int Weight = FW_NORMAL;      // 1..1000
    int Charset = DEFAULT_CHARSET;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;

    bool operator==(const FontSpec&) const = default;
};

// The logical font of a font description on a device with the given pixels per inch.
LOGFONTW ToLogFont(const FontSpec& fontSpec, int pixelsPerInch);

// Creates the GDI font of a font description for the screen.
ScopedFont CreateScreenFont(const FontSpec& fontSpec);

// The screen's logical pixels per inch, horizontally and vertically.
int ScreenDpiX();
int ScreenDpiY();

// Twips per pixel of the screen: 1440 / logical pixels per inch.
int TwipsPerPixelX();
int TwipsPerPixelY();

} // namespace Runtime
