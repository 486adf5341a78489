#include "about/ShellOpen.h"

#include <windows.h>
#include <shellapi.h>

namespace About {

namespace {

std::function<void(const std::wstring&)>& Opener()
{
    static std::function<void(const std::wstring&)> opener;
    return opener;
}

} // namespace

void ShellOpen(const std::wstring& target)
{
    if (Opener()) {
        Opener()(target);
        return;
    }
    // The wide call keeps a target with characters outside the ANSI code page whole.
    ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, L"", SW_HIDE);
}

void SetShellOpenForTests(std::function<void(const std::wstring&)> opener)
{
    Opener() = std::move(opener);
}

} // namespace About
