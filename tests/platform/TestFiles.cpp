#include "TestFiles.h"

#include <fstream>
#include <iterator>

namespace TestFiles {

std::string HostPath(std::string_view path)
{
#ifdef _WIN32
    std::string host = "Z:";
    for (char c : path) host += c == '/' ? '\\' : c;
    return host;
#else
    return std::string(path);
#endif
}

std::string ReadSource(std::string_view relative)
{
    std::ifstream in(HostPath(std::string(ORLENTA_SOURCE_DIR) + "/" + std::string(relative)),
                     std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string_view> CrLfLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

} // namespace TestFiles
