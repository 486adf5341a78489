#include "tests/mainwin/ProgramRun.h"

#include <vector>

namespace MainWinTest {

const wchar_t kFormClass[] = L"OrlentaForm";

ProgramRun::ProgramRun() : exe_(folder_.File(L"Orlenta.exe"))
{
    CopyFileW(TestSupport::BuildPath("mainwin/Orlenta.exe").c_str(), exe_.c_str(), FALSE);
}

bool ProgramRun::CopyBeside(const std::string& buildFile)
{
    const std::wstring source = TestSupport::BuildPath(buildFile);
    const size_t slash = source.find_last_of(L"\\/");
    return CopyFileW(source.c_str(), folder_.File(source.substr(slash + 1)).c_str(), FALSE) != FALSE;
}

HWND ProgramRun::Start()
{
    if (!process_.Start(exe_)) return nullptr;
    return process_.WaitForWindow(kFormClass);
}

long ProgramRun::Close(HWND wnd)
{
    PostMessageW(wnd, WM_CLOSE, 0, 0);
    return process_.WaitForExit();
}

ScopedEnvironment::ScopedEnvironment(const wchar_t* name, const wchar_t* value) : name_(name)
{
    SetEnvironmentVariableW(name, value);
}

ScopedEnvironment::~ScopedEnvironment()
{
    SetEnvironmentVariableW(name_.c_str(), nullptr);
}

std::wstring ReadIni(const std::wstring& file, const std::wstring& section, const std::wstring& key)
{
    wchar_t text[512] = {};
    GetPrivateProfileStringW(section.c_str(), key.c_str(), L"<missing>", text, 512, file.c_str());
    return text;
}

void WriteIni(const std::wstring& file, const std::wstring& section, const std::wstring& key,
              const std::wstring& value)
{
    WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

namespace {

struct Search {
    std::wstring text, className;
    std::vector<HWND> found;
    bool byText;
};

BOOL CALLBACK Visit(HWND wnd, LPARAM lParam)
{
    auto& s = *reinterpret_cast<Search*>(lParam);
    wchar_t cls[128] = {}, text[256] = {};
    GetClassNameW(wnd, cls, 128);
    GetWindowTextW(wnd, text, 256);
    bool classOk = s.className.empty() || _wcsicmp(cls, s.className.c_str()) == 0;
    if (classOk && (!s.byText || s.text == text)) s.found.push_back(wnd);
    return TRUE;
}

} // namespace

HWND FindChild(HWND parent, const std::wstring& text, const std::wstring& className)
{
    Search s{text, className, {}, true};
    EnumChildWindows(parent, Visit, reinterpret_cast<LPARAM>(&s));
    return s.found.empty() ? nullptr : s.found.front();
}

std::vector<HWND> FindChildren(HWND parent, const std::wstring& className)
{
    Search s{L"", className, {}, false};
    EnumChildWindows(parent, Visit, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

RECT RectInParent(HWND wnd)
{
    return RectIn(wnd, GetParent(wnd));
}

RECT RectIn(HWND wnd, HWND top)
{
    RECT r{};
    GetWindowRect(wnd, &r);
    MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

} // namespace MainWinTest
