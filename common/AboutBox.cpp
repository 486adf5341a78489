#include "common/AboutBox.h"

#include "common/ModuleVersion.h"
#include "common/SplitText.h"
#include "common/Version.h"

namespace Common {

std::wstring AboutBody(HMODULE server, const std::wstring& extra)
{
    const std::wstring crlf = L"\r\n";
    ModuleVersion version(server);
    std::wstring comments = version.String(L"Comments");
    // Both items of "site, mail"; a missing second item shows nothing.
    std::size_t comma = comments.find(L", ");
    std::wstring site = comments.substr(0, comma);
    std::wstring mail = comma == std::wstring::npos ? L"" : comments.substr(comma + 2);

    std::wstring body = ReplaceAll(version.String(L"FileDescription"), L". ", L".\r\n") + crlf;
    body += L"Version " + FormatVersion(0, version.Major(), version.Minor(), version.Revision()) + crlf;
    if (!extra.empty()) body += extra + crlf;
    body += std::wstring(60, L' ') + crlf;
    body += version.String(L"LegalCopyright") + crlf;
    body += site + crlf;
    if (!mail.empty()) body += mail + crlf;
    return body;
}

std::wstring AboutCaption(HMODULE server)
{
    return L"About " + ModuleVersion(server).String(L"LegalTrademarks");
}

void AboutText(HMODULE server, HWND owner, const std::wstring& extra)
{
    MsgBoxIndirect(server, owner, AboutBody(server, extra), MB_OK, AboutCaption(server), 1, 0);
}

int MsgBoxIndirect(HMODULE module, HWND owner, const std::wstring& text, UINT style, const std::wstring& caption,
                   WORD icon, DWORD languageId)
{
    MSGBOXPARAMSW params{};
    params.cbSize = sizeof(params);
    params.hwndOwner = owner;
    params.hInstance = module;
    params.lpszText = text.c_str();
    params.lpszCaption = caption.c_str();
    params.dwStyle = style;
    if (icon) {
        params.dwStyle |= MB_USERICON;
        params.lpszIcon = MAKEINTRESOURCEW(icon);
    }
    params.dwLanguageId = languageId;
    return MessageBoxIndirectW(&params);
}

} // namespace Common
