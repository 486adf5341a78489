#include "runtime/ErrorReport.h"

#include <windows.h>

#include "runtime/App.h"

namespace Runtime {

namespace {

ErrorReporter& Reporter()
{
    static ErrorReporter reporter;
    return reporter;
}

std::wstring Widen(const std::string& text)
{
    if (text.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

} // namespace

void ReportRunTimeError(int number, const std::string& message)
{
    if (Reporter()) {
        Reporter()(number, message);
        return;
    }
    std::wstring text = L"Run-time error '" + std::to_wstring(number) + L"':\r\n\r\n" + Widen(message);
    MessageBoxW(GetActiveWindow(), text.c_str(), App::Title().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

ErrorReporter SetErrorReporter(ErrorReporter reporter)
{
    ErrorReporter old = std::move(Reporter());
    Reporter() = std::move(reporter);
    return old;
}

} // namespace Runtime
