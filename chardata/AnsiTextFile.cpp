#include "chardata/AnsiTextFile.h"

#include <windows.h>

#include <string>

#include "common/CodePage.h"
#include "runtime/ScopedWin.h"

namespace CharData {

std::optional<std::wstring> ReadAnsiTextFile(const std::wstring& path)
{
    if (path.empty()) return std::nullopt;
    Runtime::ScopedHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > kMaxTextFileBytes)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const DWORD want = static_cast<DWORD>(bytes.size() - done);
        if (!ReadFile(file.Get(), bytes.data() + done, want, &read, nullptr)) return std::nullopt;
        if (read == 0) break; // the file shrank while being read
        done += read;
    }
    bytes.resize(done);
    return AnsiText(bytes);
}

std::wstring AnsiText(std::string_view bytes)
{
    return Common::BytesToString(bytes, 0, Common::kAllBytes, true);
}

} // namespace CharData
