#include "runtime/CommonControls.h"

#include <commctrl.h>

#include <string>

namespace Runtime {

namespace {

const char kManifest[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
    "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\r\n"
    "  <dependency><dependentAssembly>\r\n"
    "    <assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"\r\n"
    "                      processorArchitecture=\"*\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>\r\n"
    "  </dependentAssembly></dependency>\r\n"
    "</assembly>\r\n";

// The process's activation context for version 6, made once from a manifest
// written to the temporary folder, released at exit.
class Version6Context {
public:
    Version6Context()
    {
        wchar_t folder[MAX_PATH] = {};
        if (!GetTempPathW(MAX_PATH, folder)) return;
        std::wstring path = std::wstring(folder) + L"orlenta-comctl6-" + std::to_wstring(GetCurrentProcessId()) +
                            L".manifest";
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY,
                                  nullptr);
        if (file == INVALID_HANDLE_VALUE) return;
        DWORD written = 0;
        BOOL ok = WriteFile(file, kManifest, sizeof kManifest - 1, &written, nullptr);
        CloseHandle(file);
        if (ok) {
            ACTCTXW actCtx{};
            actCtx.cbSize = sizeof actCtx;
            actCtx.lpSource = path.c_str();
            HANDLE made = CreateActCtxW(&actCtx);
            if (made != INVALID_HANDLE_VALUE) ctx_ = made;
        }
        DeleteFileW(path.c_str());
    }
    ~Version6Context()
    {
        if (ctx_) ReleaseActCtx(ctx_);
    }
    Version6Context(const Version6Context&) = delete;
    Version6Context& operator=(const Version6Context&) = delete;
    HANDLE Get() const noexcept { return ctx_; }

private:
    HANDLE ctx_ = nullptr;
};

} // namespace

void EnsureCommonControls()
{
    static bool done = false;
    if (done) return;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    done = true;
}

ScopedCommonControls6::ScopedCommonControls6()
{
    static Version6Context context;
    if (context.Get() && ActivateActCtx(context.Get(), &cookie_)) active_ = true;
}

ScopedCommonControls6::~ScopedCommonControls6()
{
    if (active_) DeactivateActCtx(0, cookie_);
}

} // namespace Runtime
