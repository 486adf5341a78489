#pragma once
// Colours as controls store them: 0x00BBGGRR, or 0x800000nn for the system
// colour nn (COLOR_BTNFACE is 0x8000000F).
#include <cstdint>

namespace Runtime {

using OleColor = uint32_t;

constexpr OleColor SystemColorFlag = 0x80000000u;
constexpr OleColor ColorButtonFace = 0x8000000Fu;
constexpr OleColor ColorButtonShadow = 0x80000010u;
constexpr OleColor ColorWindow = 0x80000005u;
constexpr OleColor ColorWindowText = 0x80000008u;
constexpr OleColor ColorButtonText = 0x80000012u;
constexpr OleColor ColorGrayText = 0x80000011u;

constexpr bool IsSystemColor(OleColor c) { return (c & SystemColorFlag) != 0; }

// The plain RGB value of a colour; a system colour is looked up.
uint32_t ResolveColor(OleColor color);

} // namespace Runtime
