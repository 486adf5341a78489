#pragma once
// Reading the main window's settings by their rules: flags are set when the
// stored number is above 0, bounded choices are clamped, colours must be
// 32-bit values. Every reader gives its default for a missing key.
#include <cstdint>
#include <string>

namespace Settings {

double ReadNumber(const std::wstring& file, const std::wstring& section, const std::wstring& key, double def);

// 1 when the stored number is above 0, else 0 (the default when missing).
int ReadFlag(const std::wstring& file, const std::wstring& section, const std::wstring& key, int def);

// The stored number clamped to 0..upper.
int ReadClamped(const std::wstring& file, const std::wstring& section, const std::wstring& key, int def, int upper);

// The stored number; a negative one is 0, one beyond 32 bits is the default.
std::int32_t ReadNonNegative(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                             std::int32_t def);

// A colour 0..0xFFFFFFFF; anything else gives the default.
std::uint32_t ReadColor(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                        std::uint32_t def);

// A number as the text a box shows: whole numbers without decimals.
std::wstring NumberText(double value);

} // namespace Settings
