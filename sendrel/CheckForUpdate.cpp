#include "sendrel/CheckForUpdate.h"

#include <windows.h>
#include <wininet.h>

#include <string>

#include "common/CodePage.h"
#include "common/CompareVersions.h"
#include "common/KeyValue.h"
#include "common/Val.h"
#include "sendrel/Download.h"

namespace aSendrel {

namespace {

bool SystemConnectedState()
{
    DWORD flags = 0;
    return InternetGetConnectedState(&flags, 0) != FALSE;
}

ConnectedStateFn g_connected = SystemConnectedState;

std::wstring WidenAnsi(const std::string& bytes)
{
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
    return text;
}

} // namespace

ConnectedStateFn SetConnectedState(ConnectedStateFn connected) noexcept
{
    ConnectedStateFn previous = g_connected;
    g_connected = connected ? connected : SystemConnectedState;
    return previous;
}

short CheckForUpdate(const std::wstring& url, const std::wstring& localVersion, const CancelCount& cancels,
                     ReplyItems& items)
{
    if (url.empty()) return CheckFailed;
    if (!g_connected()) return CheckFailed;
    const CancelCount cancelsBefore = cancels;
    auto cancelled = [&cancels, cancelsBefore] { return cancels != cancelsBefore; };
    std::string bytes;
    Fetched fetched = Download(amUnicode::UnicodeToAnsi(url, 0), kMaxReplyBytes, cancelled, bytes);
    // A cancel that came while the reply was being read wins over the reply.
    if (fetched == Fetched::Cancelled || cancelled()) return CheckCancelled;
    if (fetched != Fetched::Complete || bytes.empty()) return CheckFailed;
    return ReadReply(WidenAnsi(bytes), localVersion, items);
}

short ReadReply(std::wstring_view text, const std::wstring& localVersion, ReplyItems& items)
{
    if (text.empty()) return CheckFailed;
    items.read = true;
    items.size = Common::Val(Common::GetKeyValue(text, L"Size", L";"));
    std::wstring version = Common::GetKeyValue(text, L"Version", L";");
    if (!version.empty() && version.front() == L'"')
        version = version.size() < 2 ? std::wstring() : version.substr(1, version.size() - 2);
    items.version = version;
    if (items.version.empty() || localVersion.empty()) return CheckFailed;
    return Common::CompareVersions(localVersion, items.version) < 0 ? CheckNewer : CheckUpToDate;
}

} // namespace aSendrel
