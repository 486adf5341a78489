#include "runtime/App.h"

#include <windows.h>
#include <vector>

namespace Runtime::App {

namespace {

std::wstring ModuleFileName()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n < buffer.size()) {
            buffer.resize(n);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

// The program's own version resource, read once.
struct VersionBlock {
    std::vector<unsigned char> data;
    VS_FIXEDFILEINFO fixed{};
    std::wstring translation; // "040904B0" style block name
};

const VersionBlock& Version()
{
    static const VersionBlock block = [] {
        VersionBlock b;
        std::wstring file = ModuleFileName();
        DWORD handle = 0;
        DWORD size = GetFileVersionInfoSizeW(file.c_str(), &handle);
        if (size == 0) return b;
        b.data.resize(size);
        if (!GetFileVersionInfoW(file.c_str(), 0, size, b.data.data())) {
            b.data.clear();
            return b;
        }
        void* p = nullptr;
        UINT len = 0;
        if (VerQueryValueW(b.data.data(), L"\\", &p, &len) && len >= sizeof(VS_FIXEDFILEINFO))
            b.fixed = *static_cast<VS_FIXEDFILEINFO*>(p);
        wchar_t name[16] = L"040904B0";
        if (VerQueryValueW(b.data.data(), L"\\VarFileInfo\\Translation", &p, &len) && len >= 4) {
            auto* words = static_cast<WORD*>(p);
            wsprintfW(name, L"%04X%04X", words[0], words[1]);
        }
        b.translation = name;
        return b;
    }();
    return block;
}

struct Location {
    std::wstring folder, exeName;
};

Location& HostLocation()
{
    static Location location;
    return location;
}

std::wstring& HelpFileSetting()
{
    static std::wstring file = L"Orlenta.hlp";
    return file;
}

} // namespace

const std::wstring& HelpFile()
{
    return HelpFileSetting();
}

void SetHelpFile(const std::wstring& file)
{
    HelpFileSetting() = file;
}

void SetLocation(const std::wstring& folder, const std::wstring& exeName)
{
    HostLocation() = Location{folder, exeName};
}

std::wstring Path()
{
    if (!HostLocation().folder.empty()) return HostLocation().folder;
    std::wstring file = ModuleFileName();
    size_t slash = file.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : file.substr(0, slash);
}

std::wstring EXEName()
{
    if (!HostLocation().exeName.empty()) return HostLocation().exeName;
    std::wstring file = ModuleFileName();
    size_t slash = file.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? file : file.substr(slash + 1);
    size_t dot = name.find_last_of(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

std::wstring Title()
{
    std::wstring title = VersionString(L"ProductName");
    return title.empty() ? EXEName() : title;
}

int Major() { return HIWORD(Version().fixed.dwFileVersionMS); }
int Minor() { return LOWORD(Version().fixed.dwFileVersionMS); }
int Revision() { return LOWORD(Version().fixed.dwFileVersionLS); }

std::wstring VersionString(const std::wstring& key)
{
    const VersionBlock& b = Version();
    if (b.data.empty()) return {};
    std::wstring query = L"\\StringFileInfo\\" + b.translation + L"\\" + key;
    void* p = nullptr;
    UINT len = 0;
    if (!VerQueryValueW(const_cast<unsigned char*>(b.data.data()), query.c_str(), &p, &len) || len == 0)
        return {};
    std::wstring value(static_cast<const wchar_t*>(p), len);
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return value;
}

} // namespace Runtime::App
