#include "NameTable.h"

#include "HangulName.h"

#include <algorithm>

namespace UName {
namespace {

constexpr std::string_view kIdeographRange = "CJK Unified Ideograph";
constexpr std::string_view kHangulRange = "Hangul Syllable";

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Reads exactly four hexadecimal digits at the start of `text`.
bool ReadCode(std::string_view text, uint16_t& code)
{
    if (text.size() < 4) return false;
    unsigned value = 0;
    for (size_t i = 0; i < 4; ++i) {
        const int digit = HexDigit(text[i]);
        if (digit < 0) return false;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    code = static_cast<uint16_t>(value);
    return true;
}

std::string Hex4(uint32_t code)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text(4, '0');
    for (int i = 3; i >= 0; --i, code >>= 4) text[static_cast<size_t>(i)] = digits[code & 0xF];
    return text;
}

} // namespace

NameTable::NameTable(std::string_view text) : text_(text)
{
    size_t start = 0;
    while (start < text_.size()) {
        size_t end = text_.find('\n', start);
        if (end == std::string_view::npos) end = text_.size();
        size_t stop = end;
        if (stop > start && text_[stop - 1] == '\r') --stop;
        AddLine(text_.substr(start, stop - start), start);
        start = end + 1;
    }
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const Entry& a, const Entry& b) { return a.first < b.first; });
    // Of lines that overlap, the one that starts lower (at the same start:
    // the earlier one) is kept, so that a look-up tests one entry only.
    auto overlaps = [](const Entry& before, const Entry& e) { return e.first <= before.last; };
    std::vector<Entry> kept;
    kept.reserve(entries_.size());
    for (const Entry& e : entries_) {
        if (kept.empty() || !overlaps(kept.back(), e)) kept.push_back(e);
    }
    entries_.swap(kept);
}

void NameTable::AddLine(std::string_view line, size_t offset)
{
    Entry e{};
    if (!ReadCode(line, e.first)) return;
    size_t pos = 4;
    e.last = e.first;
    if (line.substr(pos, 2) == "..") {
        if (!ReadCode(line.substr(pos + 2), e.last) || e.last < e.first) return;
        pos += 6;
    }
    if (pos >= line.size() || line[pos] != ',') return;
    ++pos;
    if (pos == line.size()) return;
    e.offset = static_cast<uint32_t>(offset + pos);
    e.length = static_cast<uint32_t>(line.size() - pos);
    entries_.push_back(e);
}

std::string NameTable::Name(uint32_t code) const
{
    if (code > 0xFFFF) return std::string(kUndefined);
    auto after = std::upper_bound(entries_.begin(), entries_.end(), code,
                                  [](uint32_t c, const Entry& e) { return c < e.first; });
    if (after == entries_.begin()) return std::string(kUndefined);
    const Entry& e = *(after - 1);
    if (code > e.last) return std::string(kUndefined);

    std::string name(Text(e));
    if (name == kIdeographRange) return name + "-" + Hex4(code);
    if (name == kHangulRange) {
        const std::string jamo = HangulSyllableSuffix(code);
        if (!jamo.empty()) return name + " " + jamo;
    }
    return name;
}

} // namespace UName
