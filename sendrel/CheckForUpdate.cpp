#include "sendrel/CheckForUpdate.h"

#include <windows.h>
#include <wininet.h>

#include <string>

#include "common/CodePage.h"
#include "common/CompareVersions.h"
#include "common/KeyValue.h"
#include "common/Val.h"
#include "runtime/Pump.h"

namespace aSendrel {

namespace {

// The cancel flag of this thread, shared by every check on it.
thread_local bool t_cancel = false;

bool SystemConnectedState()
{
    DWORD flags = 0;
    return InternetGetConnectedState(&flags, 0) != FALSE;
}

ConnectedStateFn g_connected = SystemConnectedState;

// An internet handle that closes itself.
class InternetHandle {
public:
    explicit InternetHandle(HINTERNET h = nullptr) noexcept : h_(h) {}
    ~InternetHandle() { if (h_) InternetCloseHandle(h_); }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    HINTERNET Get() const noexcept { return h_; }
private:
    HINTERNET h_;
};

std::wstring WidenAnsi(const std::string& bytes)
{
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
    return text;
}

// A number from the reply's HTTP header (`query` is an HTTP_QUERY_ value).
bool HeaderNumber(HINTERNET file, DWORD query, DWORD& number)
{
    DWORD size = sizeof(number);
    return HttpQueryInfoA(file, query | HTTP_QUERY_FLAG_NUMBER, &number, &size, nullptr) != FALSE;
}

// Downloads `url` into `bytes` while the cancel flag stays clear. False when
// what came is not the version file, though the library reads it as a
// reply: an HTTP error page (a missing file still has a body), a reply
// longer than kMaxReplyBytes, or fewer bytes than the server announced (a
// connection closed mid-body reads as a clean end).
bool Download(const std::wstring& url, std::string& bytes)
{
    InternetHandle internet(InternetOpenA("", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    Runtime::DoEvents();
    if (!internet.Get() || t_cancel) return true;
    std::string address = amUnicode::UnicodeToAnsi(url, 0);
    InternetHandle file(InternetOpenUrlA(internet.Get(), address.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0));
    if (!file.Get()) return true;
    DWORD status = 0;
    if (HeaderNumber(file.Get(), HTTP_QUERY_STATUS_CODE, status) && (status < 200 || status >= 300)) return false;
    DWORD announced = 0;
    bool hasLength = HeaderNumber(file.Get(), HTTP_QUERY_CONTENT_LENGTH, announced);
    if (hasLength && announced > kMaxReplyBytes) return false;
    char buffer[2048];
    while (!t_cancel) {
        Runtime::DoEvents();
        DWORD read = 0;
        if (!InternetReadFile(file.Get(), buffer, sizeof(buffer), &read) || read == 0) break;
        if (bytes.size() + read > kMaxReplyBytes) return false;
        bytes.append(buffer, read);
    }
    return t_cancel || !hasLength || bytes.size() == announced;
}

} // namespace

void Cancel() noexcept { t_cancel = true; }

ConnectedStateFn SetConnectedState(ConnectedStateFn connected) noexcept
{
    ConnectedStateFn previous = g_connected;
    g_connected = connected ? connected : SystemConnectedState;
    return previous;
}

short CheckForUpdate(const std::wstring& url, const std::wstring& localVersion, ReplyItems& items)
{
    if (url.empty()) return CheckFailed;
    if (!g_connected()) return CheckFailed;
    t_cancel = false;
    std::string bytes;
    bool complete = Download(url, bytes);
    if (t_cancel) return CheckCancelled;
    if (!complete || bytes.empty()) return CheckFailed;
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
