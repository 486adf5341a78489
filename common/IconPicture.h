#pragma once
// A picture object holding a picture box's image as an icon.
#include <windows.h>
#include <ocidl.h>

#include "runtime/ScopedWin.h"

namespace Common {

// The image of the memory DC `imageDC` (a picture box's persistent image,
// `width` x `height` pixels) as an icon picture in which every pixel of
// `transparent` (kTopLeftPixel: the colour of the top-left pixel) is
// transparent. The image bitmap is taken out of the DC for the time of the
// conversion (a temporary bitmap stands in) and selected back. The picture
// owns its icon. Empty when the DC holds no usable image.
Runtime::ComPtr<IPicture> BitmapToPicture(HDC imageDC, int width, int height, COLORREF transparent);

} // namespace Common
