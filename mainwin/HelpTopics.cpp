#include "mainwin/HelpTopics.h"

namespace {

constexpr long kMaxTopic = 2147483647;

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::wstring Widen(std::string_view s)
{
    std::wstring out;
    out.reserve(s.size());
    for (char c : s) {
        const auto byte = static_cast<unsigned char>(c);
        out += byte < 0x80 ? static_cast<wchar_t>(byte) : L'?';
    }
    return out;
}

// The topic number of a header line "[101] Title", 0 when it is none.
long HeaderNumber(std::string_view line, std::string_view& title)
{
    if (line.empty() || line.front() != '[') return 0;
    const size_t close = line.find(']');
    if (close == std::string_view::npos || close == 1) return 0;
    long number = 0;
    for (char c : line.substr(1, close - 1)) {
        if (c < '0' || c > '9') return 0;
        if (number > (kMaxTopic - (c - '0')) / 10) return 0;
        number = number * 10 + (c - '0');
    }
    title = Trim(line.substr(close + 1));
    return number;
}

} // namespace

std::map<long, HelpTopic> ParseHelpTopics(std::string_view source)
{
    std::map<long, HelpTopic> topics;
    HelpTopic* current = nullptr;
    bool paragraphEnded = false;
    while (!source.empty()) {
        const size_t end = source.find('\n');
        const std::string_view line = Trim(source.substr(0, end));
        source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);
        if (!line.empty() && line.front() == '#') continue;
        std::string_view title;
        if (!line.empty() && line.front() == '[') {
            const long number = HeaderNumber(line, title);
            current = nullptr;
            if (number > 0) {
                auto [at, added] = topics.try_emplace(number);
                if (added) {
                    at->second.Title = Widen(title);
                    current = &at->second;
                }
            }
            paragraphEnded = false;
            continue;
        }
        if (!current) continue;
        if (line.empty()) {
            paragraphEnded = !current->Text.empty();
            continue;
        }
        if (!current->Text.empty()) current->Text += paragraphEnded ? L"\r\n\r\n" : L" ";
        current->Text += Widen(line);
        paragraphEnded = false;
    }
    return topics;
}
