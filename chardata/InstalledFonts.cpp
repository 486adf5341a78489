#include "chardata/InstalledFonts.h"

#include <string_view>

#include "common/Registry.h"
#include "runtime/ScopedWin.h"

namespace CharData {

namespace {

bool IsTextType(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

} // namespace

bool InstalledFonts::ReadRegistryFonts(std::int16_t typeFilter, HKEY root, const wchar_t* subKey)
{
    Runtime::ScopedRegKey key;
    if (RegOpenKeyExW(root, subKey, 0, KEY_READ | Common::RegistryViewFlag(), key.Put()) != ERROR_SUCCESS)
        return false;

    std::vector<FontRecord> records(1);
    for (DWORD index = 0;; ++index) {
        wchar_t name[kFontValueNameChars] = {};
        DWORD nameChars = kFontValueNameChars;
        // Whole wchar_t units: the data is read as UTF-16 text.
        wchar_t data[kFontValueDataBytes / sizeof(wchar_t)] = {};
        DWORD dataBytes = kFontValueDataBytes;
        DWORD type = REG_NONE;
        const LONG rc = RegEnumValueW(key.Get(), index, name, &nameChars, nullptr, &type,
                                      reinterpret_cast<BYTE*>(data), &dataBytes);
        if (rc == ERROR_MORE_DATA) continue;  // beyond the limits: this value only
        if (rc != ERROR_SUCCESS) break;       // ERROR_NO_MORE_ITEMS, or the key went away
        if (!IsTextType(type)) continue;
        if (nameChars >= kFontValueNameChars || dataBytes > kFontValueDataBytes) continue;
        AddFontValue(records, typeFilter, std::wstring_view(name, nameChars),
                     std::wstring_view(data, dataBytes / sizeof(wchar_t)));
    }
    records_ = std::move(records);
    return true;
}

FontRecord* InstalledFonts::At(int index) noexcept
{
    if (index < 1 || static_cast<std::size_t>(index) >= records_.size()) return nullptr;
    return &records_[static_cast<std::size_t>(index)];
}

const FontRecord* InstalledFonts::At(int index) const noexcept
{
    if (index < 1 || static_cast<std::size_t>(index) >= records_.size()) return nullptr;
    return &records_[static_cast<std::size_t>(index)];
}

} // namespace CharData
