#pragma once
// The name record of every code point of the Basic Multilingual Plane.
//
// Names come from four sources, in this order: the system's character-name
// library (GetUName), seven built-in name ranges that are never looked up,
// fixed names for four C1 control characters, and the program's name file;
// the entity file adds the entity names. Built once at start-up, read for
// the rest of the run.
//
// The texts of all records live in one pool, so that the whole table is a
// few large blocks rather than tens of thousands of small strings: the
// build touches little memory and a look-up is one index.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace CharData {

inline constexpr std::int32_t kCharCount = 0x10000;

// One record as readers see it. Name and Entity point into the table and
// stay valid until the table is built again.
struct CharRecord {
    std::int32_t Code = 0;        // the record's code point once the entity file gives it an entity
    std::int16_t IE = 0;          // 1 when the entity file marks the entity "IE"
    std::wstring_view Name;       // may be "Undefined", the library's text for no name
    std::wstring_view Entity;     // entity names without "&" and ";", joined by ","
};

struct NameRange {
    std::int32_t First;
    std::int32_t Last;            // inclusive
    std::wstring_view Name;
};

// The seven built-in name ranges, in index order: 3400-4DBF and 4E00-9FA5
// "CJK Unified Ideograph", the three surrogate ranges, E000-F8FF "Private
// Use", F900-FA2D "CJK Compatibility Ideograph".
const std::array<NameRange, 7>& NameRangeTable();

// The index of the first built-in range holding `code`, or -1.
int FindNameRange(std::int32_t code);

// The name library's buffer: 255 bytes, so at most 127 UTF-16 characters.
inline constexpr int kNameBufferBytes = 255;
inline constexpr int kNameBufferChars = kNameBufferBytes / 2;

class CharNameTable {
public:
    // A name source with GetUName's contract: writes the name of `code` into
    // `buffer` (room for kNameBufferChars characters) and returns its length.
    using NameSource = std::function<std::int16_t(std::uint32_t code, wchar_t* buffer)>;

    // 65,536 empty records.
    CharNameTable();

    // Builds the table from scratch with the system's GetUName.dll and the
    // name and entity files at the given paths (a missing file is skipped).
    // False when the library could not be bound; the files are still read.
    // Windows build only.
    bool LoadCharNames(const std::wstring& namesPath, const std::wstring& entitiesPath);

    // The same with the texts of the two files (either may be missing).
    // Windows build only.
    bool LoadCharNames(const std::optional<std::wstring>& namesText, const std::optional<std::wstring>& entitiesText);

    // Builds the table from scratch: every code point outside the built-in
    // ranges looked up in `library` (an empty source names nothing), the C1
    // names, then the texts of the name and entity files, when given.
    void LoadCharNames(const NameSource& library, std::optional<std::wstring_view> namesText,
                       std::optional<std::wstring_view> entitiesText);

    // Adds the names of a name file's text: a name fills a record whose name
    // is empty or "Undefined" and never replaces another.
    void ReadNameFile(std::wstring_view text);

    // Adds the entities of an entity file's text: a line sets its record's
    // Code and Entity (a later line for the same code replaces both) and sets
    // IE when marked.
    void ReadEntityFile(std::wstring_view text);

    // The record's name; for an empty one the name of the built-in range
    // holding `code`; else (and for a code outside 0..FFFF) empty. Valid
    // until the table is built again.
    std::wstring_view GetCharName(std::int32_t code) const;

    // The record of `code`; an empty record for a code outside 0..FFFF.
    CharRecord Record(std::int32_t code) const;

private:
    // Where a record's texts lie in the pool.
    struct Slot {
        std::uint32_t NameAt = 0;
        std::uint32_t NameLength = 0;
        std::uint32_t EntityAt = 0;
        std::uint32_t EntityLength = 0;
    };

    void Clear(std::size_t expectedText);
    void LookUpNames(const NameSource& library);
    void NameC1Controls();
    std::wstring_view NameOf(const Slot& slot) const;
    // Appends `text` to the pool and returns where it starts.
    std::uint32_t Store(std::wstring_view text);

    std::vector<Slot> slots_;
    std::vector<bool> ie_;
    std::wstring text_;
};

} // namespace CharData
