#pragma once
// The character names GetUName answers with, read from its name list (the
// text of Names.txt): "XXXX,Name" for one code point, "XXXX..YYYY,Name" for
// a range, ";" comment lines. Members of a "CJK Unified Ideograph" range are
// named with their code appended ("CJK Unified Ideograph-4E00"), members of a
// "Hangul Syllable" range by their jamo ("Hangul Syllable Ga"); members of
// any other range share the range's name.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace UName {

// The text for a code point the list does not name.
inline constexpr std::string_view kUndefined = "Undefined";

class NameTable {
public:
    // Indexes `text`, which must outlive the table. Lines that do not follow
    // the format are skipped.
    explicit NameTable(std::string_view text);

    // The name of `code`, or kUndefined (also for any code above 0xFFFF).
    std::string Name(uint32_t code) const;

    // The number of lines indexed (single code points and ranges).
    size_t size() const { return entries_.size(); }

private:
    struct Entry {
        uint16_t first, last;
        uint32_t offset; // of the name in the text
        uint32_t length;
    };
    std::string_view Text(const Entry& e) const { return text_.substr(e.offset, e.length); }
    void AddLine(std::string_view line, size_t offset);

    std::string_view text_;
    std::vector<Entry> entries_; // ascending by first, not overlapping
};

} // namespace UName
