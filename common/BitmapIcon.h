#pragma once
// An icon or cursor with a transparent colour, made from a bitmap.
#include <windows.h>

namespace Common {

// Transparent colour meaning "the colour of the bitmap's top-left pixel".
inline constexpr COLORREF kTopLeftPixel = CLR_INVALID;

// An icon (or with `isCursor` a cursor) of `bitmap` stretched to `width` x
// `height` (0 = the bitmap's own size; a cursor always has the system cursor
// size), in which every pixel of `transparent` is transparent. A cursor's hot
// spot is (hotX, hotY), a negative coordinate meaning the middle (size / 2 -
// 1); an icon's is 0, 0. The caller owns the result (DestroyIcon) and keeps
// its bitmap. Null for a missing or unusable bitmap.
HICON BitmapToIcon(HBITMAP bitmap, COLORREF transparent = kTopLeftPixel, int width = 0, int height = 0,
                   long hotX = -1, long hotY = -1, bool isCursor = false);

} // namespace Common
