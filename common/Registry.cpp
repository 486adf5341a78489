#include "common/Registry.h"

#include <cstdint>

#include "common/NumUtil.h"
#include "common/Wow64.h"
#include "common/Val.h"
#include "runtime/ScopedWin.h"

namespace Common {

namespace {

std::wstring TextOf(const std::vector<unsigned char>& bytes, DWORD size)
{
    std::wstring text(size / sizeof(wchar_t), L'\0');
    std::copy(bytes.begin(), bytes.begin() + text.size() * sizeof(wchar_t),
              reinterpret_cast<unsigned char*>(text.data()));
    // A text stored without its terminating zero keeps its last character.
    if (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

unsigned long long NumberOf(const std::vector<unsigned char>& bytes, DWORD size, bool bigEndian)
{
    unsigned long long value = 0;
    DWORD n = size > 8 ? 8 : size;
    for (DWORD i = 0; i < n; ++i) {
        unsigned long long byte = bytes[bigEndian ? i : n - 1 - i];
        value = (value << 8) | byte;
    }
    return value;
}

} // namespace

DWORD RegistryViewFlag()
{
    // Only a 32-bit process on 64-bit Windows must ask for the 64-bit view;
    // every other process uses its own view.
    return IsWow64() ? KEY_WOW64_64KEY : 0;
}

std::wstring RegRead(HKEY root, const std::wstring& subKey, const std::wstring& valueName,
                     std::vector<unsigned char>* data, DWORD valueType, const std::wstring& defaultValue)
{
    Runtime::ScopedRegKey key;
    if (RegOpenKeyExW(root, subKey.c_str(), 0, KEY_QUERY_VALUE | RegistryViewFlag(), key.Put()) != ERROR_SUCCESS)
        return defaultValue;
    DWORD size = 0, storedType = 0;
    const wchar_t* name = valueName.empty() ? nullptr : valueName.c_str();
    if (RegQueryValueExW(key.Get(), name, nullptr, &storedType, nullptr, &size) != ERROR_SUCCESS)
        return defaultValue;
    std::vector<unsigned char> bytes(size + sizeof(wchar_t), 0);
    DWORD got = size;
    if (RegQueryValueExW(key.Get(), name, nullptr, &storedType, bytes.data(), &got) != ERROR_SUCCESS)
        return defaultValue;
    size = got;
    DWORD type = valueType ? valueType : storedType;
    if (data) *data = std::vector<unsigned char>(bytes.begin(), bytes.begin() + size + 1);

    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
    case REG_MULTI_SZ:
        return TextOf(bytes, size);
    case REG_DWORD:
        return std::to_wstring(NumberOf(bytes, size, false));
    case REG_DWORD_BIG_ENDIAN:
        return std::to_wstring(NumberOf(bytes, size, true));
    default: {
        std::wstring text(size, L'\0');
        for (DWORD i = 0; i < size; ++i) text[i] = bytes[i];
        return text;
    }
    }
}

long RegWrite(HKEY root, const std::wstring& subKey, const std::wstring& valueName, const std::wstring& value,
              DWORD valueType)
{
    if (valueType != REG_SZ && valueType != REG_BINARY && valueType != REG_DWORD) return ERROR_INVALID_PARAMETER;
    if (RegRead(root, subKey, valueName, nullptr, valueType) == value) return ERROR_SUCCESS;

    std::vector<unsigned char> bytes;
    switch (valueType) {
    case REG_SZ: {
        const auto* p = reinterpret_cast<const unsigned char*>(value.c_str());
        bytes.assign(p, p + (value.size() + 1) * sizeof(wchar_t));
        break;
    }
    case REG_BINARY:
        for (wchar_t c : value) bytes.push_back(static_cast<unsigned char>(c & 0xFF));
        if (bytes.empty()) bytes.push_back(0);
        break;
    case REG_DWORD: {
        auto v = static_cast<std::uint32_t>(RoundToLong(Val(value)));
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(v >> (8 * i)));
        break;
    }
    }

    Runtime::ScopedRegKey key;
    LONG rc = RegCreateKeyExW(root, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS | RegistryViewFlag(), nullptr, key.Put(), nullptr);
    if (rc != ERROR_SUCCESS) return rc;
    const wchar_t* name = valueName.empty() ? nullptr : valueName.c_str();
    return RegSetValueExW(key.Get(), name, 0, valueType, bytes.data(), static_cast<DWORD>(bytes.size()));
}

} // namespace Common
