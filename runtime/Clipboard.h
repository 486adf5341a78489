#pragma once
// The system clipboard, as the program uses it. Formats are numbered as the
// program names them: 1 text (the ANSI code page, as bytes), 2 bitmap,
// 13 Unicode text, -16639 rich text (the registered "Rich Text Format"), or
// any registered format's number. Every operation opens the clipboard and
// raises run-time error 521 ("Can't open Clipboard") when another program
// holds it open; a format number that names no format is error 5. A write
// the system does not carry out is an error too: 520 ("Can't empty
// Clipboard") when emptying fails, 460 ("Invalid Clipboard format") when the
// system refuses the data.
#include <windows.h>

#include <string>

#include "runtime/ScopedWin.h"

namespace Runtime::Clipboard {

constexpr long FormatText = 1;          // CF_TEXT
constexpr long FormatBitmap = 2;        // CF_BITMAP
constexpr long FormatUnicodeText = 13;  // CF_UNICODETEXT
constexpr long FormatRTF = -16639;      // 0xFFFFBF01, "Rich Text Format"

// Empties the clipboard.
void Clear();

// Puts bytes on the clipboard in a byte format (text, rich text, a
// registered format), unchanged and with a terminating zero byte; the other
// formats already there stay.
void SetText(const std::string& bytes, long format = FormatText);
// Puts text on the clipboard as Unicode text.
void SetText(const std::wstring& text);
// The bytes of a byte format up to its first zero byte; empty when the
// clipboard holds no data of that format.
std::string GetText(long format = FormatText);
// The clipboard's Unicode text (which the system makes from text of the
// other text formats); empty when there is none.
std::wstring GetUnicodeText();

// Puts a copy of the bitmap on the clipboard; the clipboard owns the copy.
void SetData(HBITMAP bitmap);
// A copy of the clipboard's bitmap, or none.
ScopedBitmap GetData();

// Whether the clipboard holds data of the format.
bool GetFormat(long format);

// The system's number of a format of the program.
UINT NativeFormat(long format);

} // namespace Runtime::Clipboard
