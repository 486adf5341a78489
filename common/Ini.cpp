#include "common/Ini.h"

#include <windows.h>

#include <vector>

#include "common/KeepFileState.h"
#include "common/NumberText.h"
#include "common/Val.h"

namespace Common {

namespace {

std::wstring Trim(const std::wstring& text)
{
    size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return {};
    size_t last = text.find_last_not_of(L' ');
    return text.substr(first, last - first + 1);
}

// Reads a value into a buffer of `size` characters; the system cuts longer values.
std::wstring ReadProfile(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                         const wchar_t* defaultValue, DWORD size, DWORD* returned)
{
    std::vector<wchar_t> buffer(size, L'\0');
    DWORD n = GetPrivateProfileStringW(section.c_str(), key.c_str(), defaultValue ? defaultValue : L"",
                                       buffer.data(), size, file.c_str());
    if (returned) *returned = n;
    return Trim(std::wstring(buffer.data(), n));
}

} // namespace

std::wstring IniReadString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                           const std::wstring& defaultValue)
{
    return ReadProfile(file, section, key, defaultValue.c_str(), 32767, nullptr);
}

double IniReadNumber(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                     double defaultValue, int* count)
{
    if (file.empty() || section.empty() || key.empty()) return defaultValue;
    std::wstring defaultText = NumberText(defaultValue);
    if (defaultValue >= 0) defaultText = L" " + defaultText;
    DWORD returned = 0;
    std::wstring text = ReadProfile(file, section, key, defaultText.c_str(), 255, &returned);
    if (count) *count = static_cast<int>(returned);
    // A number the settings cannot hold reads as the default.
    const double value = RoundTo4(Val(text));
    return Currency::Holds(value) ? value : defaultValue;
}

void IniWriteString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                    const std::wstring& value, bool keepTime)
{
    if (file.empty()) return;
    if (!value.empty() && IniReadString(file, section, key) == value) return;
    KeepFileState keep(file, keepTime);
    // An empty value is written as one blank; the reader trims it away.
    std::wstring text = value.empty() ? L" " : value;
    WritePrivateProfileStringW(section.c_str(), key.c_str(), text.c_str(), file.c_str());
}

void IniWriteNumber(const std::wstring& file, const std::wstring& section, const std::wstring& key, Currency value,
                    bool keepTime)
{
    if (file.empty()) return;
    if (value != Currency() && Currency(IniReadNumber(file, section, key)) == value) return;
    KeepFileState keep(file, keepTime);
    WritePrivateProfileStringW(section.c_str(), key.c_str(), NumberText(value).c_str(), file.c_str());
}

} // namespace Common
