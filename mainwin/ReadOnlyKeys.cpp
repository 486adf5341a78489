#include "mainwin/ReadOnlyKeys.h"

namespace {
constexpr int kShift = 1, kCtrl = 2;
constexpr int kEnd = 35, kDown = 40; // End, Home, Left, Up, Right, Down
constexpr int kV = 86;
} // namespace

bool ReadOnlyKeyPasses(int keyCode, int shift, int alsoPassed)
{
    if (keyCode == alsoPassed || (keyCode >= kEnd && keyCode <= kDown)) return true;
    if ((shift & kCtrl) && keyCode == kV) return false;
    if (shift & kShift) return false;
    return shift != 0;
}
