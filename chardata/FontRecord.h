#pragma once
// The installed-font records: one per font name of the system's font list,
// with the font's type, its file and (once the font list has seen the font)
// its Unicode-subset bits.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace CharData {

inline constexpr std::int16_t kFontTypeOther = 1;
inline constexpr std::int16_t kFontTypeTrueType = 4;

struct FontRecord {
    std::int16_t Type = 0;       // kFontTypeTrueType or kFontTypeOther
    std::wstring Name;           // one font name
    std::wstring File;           // the font file, usually a bare file name
    // 128 characters "0"/"1", character i + 1 standing for subset bit i;
    // empty until the font list sets it.
    std::wstring UnicodeSubsets;
};

struct FontValueName {
    std::int16_t Type = kFontTypeOther;
    std::wstring Names;          // the value name without its suffix
};

// The type of a font list value name and the name without its suffix:
// " (TrueType)" at the end gives the TrueType type; any other name the other
// type, without a final " (VGA res)" and then without a final " (All res)".
FontValueName ParseFontValueName(std::wstring_view valueName);

// The font names of a value name, split at every " & ", in order.
std::vector<std::wstring> SplitFontNames(std::wstring_view names);

// Appends the records of one value of the font list: one per font name,
// all with the same type and file (the data up to its first NUL, blanks
// trimmed). Nothing is added when `typeFilter` is not 0 and differs from
// the value's type. Returns the number of records added.
int AddFontValue(std::vector<FontRecord>& fonts, std::int16_t typeFilter, std::wstring_view valueName,
                 std::wstring_view data);

// The full path of a font's file: a bare file name is joined to
// `fontsFolder` (with a "\" between them when the folder ends without one);
// a file given with a folder or drive ("Z:\usr\share\fonts\x.ttf", as Wine
// lists every font) is kept as it is; an empty file stays empty.
std::wstring FontFilePath(std::wstring_view fontsFolder, std::wstring_view file);

} // namespace CharData
