#include "common/CheckPath.h"

#include <vector>

namespace Common {

namespace {

// An 8.3 name: at most 8 characters, or at most 8 before a "." and 3 after it.
bool IsShortName(const std::wstring& piece)
{
    size_t n = piece.size();
    size_t dot = piece.rfind(L'.');
    size_t d = dot == std::wstring::npos ? 0 : dot + 1; // 1-based position, 0 = none
    if (d == 1 || d > 9 || (d != 0 && d == n)) return false;
    if (d > 0 && n > 12) return false;
    if (d == 0 && n > 8) return false;
    return true;
}

bool HasForbiddenCharacter(const std::wstring& text, int level)
{
    std::wstring forbidden = L"\"|:<>";
    if (level < 2) forbidden += L"*?/";
    if (level == 0) forbidden += L" [],;=+";
    return text.find_first_of(forbidden) != std::wstring::npos;
}

} // namespace

std::wstring CheckPath(const std::wstring& path, std::wstring* drive, std::wstring* folder, std::wstring* baseName,
                       std::wstring* extension, int level)
{
    if (path.empty()) return {};
    if (level < 0) level = 0;

    std::wstring driveText, rest = path;
    if (path.size() >= 3 && path.compare(1, 2, L":\\") == 0) {
        driveText = path.substr(0, 3);
        rest = path.substr(3);
    }
    if (HasForbiddenCharacter(rest, level)) return {};

    // Every piece before a "\" is a folder; the piece after the last "\" is
    // the last piece. A trailing "\" makes the folder before it the last
    // piece too; a rest without "\", or whose only "\" comes first, is
    // taken whole as the last piece.
    std::wstring folderText, last;
    std::vector<std::wstring> pieces;
    size_t lastSlash = rest.rfind(L'\\');
    if (lastSlash == std::wstring::npos || lastSlash == 0) {
        last = rest;
        pieces.push_back(last);
    } else {
        size_t start = 0;
        for (size_t p = rest.find(L'\\'); p != std::wstring::npos; p = rest.find(L'\\', start)) {
            std::wstring piece = rest.substr(start, p - start);
            folderText += piece + L"\\";
            pieces.push_back(piece);
            start = p + 1;
        }
        last = rest.substr(start);
        if (last.empty()) last = pieces.back();
        else pieces.push_back(last);
    }
    if (level == 0) {
        for (const std::wstring& piece : pieces)
            if (!IsShortName(piece)) return {};
    }

    std::wstring base = last, ext;
    size_t dot = last.rfind(L'.');
    if (dot != std::wstring::npos) {
        ext = last.substr(dot);
        base = level == 1 ? last : last.substr(0, dot);
    }
    while (!ext.empty() && ext.back() == L' ') ext.pop_back();

    int asked = (folder ? 1 : 0) + (baseName ? 1 : 0) + (extension ? 1 : 0);
    if (drive) *drive = driveText;
    if (folder) *folder = folderText;
    if (baseName) *baseName = base;
    if (extension) *extension = ext;
    if (asked == 0) return driveText;
    if (asked >= 2) return path;
    if (folder) return folderText;
    if (baseName) return base;
    return ext;
}

} // namespace Common
