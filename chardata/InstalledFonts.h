#pragma once
// The installed fonts as the system's font list in the registry names them.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "chardata/FontRecord.h"

namespace CharData {

// The system's font list below HKEY_LOCAL_MACHINE.
inline constexpr const wchar_t* kSystemFontsKey = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

// Limits of one value of the font list.
inline constexpr DWORD kFontValueNameChars = 260;   // a name of up to 259 characters
inline constexpr DWORD kFontValueDataBytes = 2048;

class InstalledFonts {
public:
    // Rebuilds the records from the values of `subKey` below `root`, in the
    // registry's order, after one empty record (index 0): typeFilter 0 keeps
    // every value, another only the values of that type. Values that are
    // not text (a number, binary data) and values whose name or data exceed
    // the limits are skipped. When the key cannot be opened nothing changes
    // and the result is false.
    bool ReadRegistryFonts(std::int16_t typeFilter, HKEY root = HKEY_LOCAL_MACHINE,
                           const wchar_t* subKey = kSystemFontsKey);

    // The records: empty before the first read, else record 0 is empty and
    // the real ones start at 1. A record's index is its identity.
    std::vector<FontRecord>& Records() noexcept { return records_; }
    const std::vector<FontRecord>& Records() const noexcept { return records_; }

    // The record at `index`, or null outside 1 to the last index.
    FontRecord* At(int index) noexcept;
    const FontRecord* At(int index) const noexcept;

private:
    std::vector<FontRecord> records_;
};

} // namespace CharData
