#pragma once
// The "Picture (BMP)" form: the glyphs of the copy text drawn side by side
// into the hidden picture box pbCopy, in its font and colours, and copied
// as a bitmap.
//
// Each character gets a cell as wide as the larger of its advance and
// |A| + |B| + |C| of its ABC widths, so glyphs that overhang their advance
// keep all their ink; a glyph whose A width is negative is drawn |A| to the
// right, inside its own cell. A picture is at most kMaxPictureSize pixels
// wide and high and kMaxPicturePixels in all; a copy that would be larger
// is refused before anything is drawn.
#include <string_view>

#include "chardata/ClipboardWriter.h"
#include "runtime/PictureBox.h"

namespace CharData {

inline constexpr int kMaxPictureSize = 32767;
inline constexpr long long kMaxPicturePixels = 16LL * 1024 * 1024;
inline constexpr wchar_t kPictureTooLargeMessage[] = L"Picture too large: nothing copied";

// Draws code point `code` (0..65535) at x, sizing the box to x + the
// character's cell and one line high; x = 0 starts a new picture. The drawn
// image becomes the box's picture. newX is the picture's width, where the
// next character goes. False, with nothing drawn and newX = x, for a code
// or an x out of range, or when the picture would be too large.
bool DrawCopyPicture(Runtime::PictureBox& pbCopy, int code, int x, int& newX);

// Draws every code unit of `text` (read unsigned) one after another into a
// new picture of pbCopy and puts the picture on the clipboard as a bitmap.
// Refused for an empty text and, with kPictureTooLargeMessage, for a
// picture that would be too large; the clipboard is then left as it was.
ClipboardResult CopyPicture(Runtime::PictureBox& pbCopy, std::wstring_view text, const ClipboardWait& wait);

} // namespace CharData
