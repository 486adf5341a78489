#include "chardata/CharNameTable.h"

#include <algorithm>

#include "chardata/CharNameLines.h"

namespace CharData {

namespace {

constexpr std::wstring_view kUndefined = L"Undefined";
constexpr std::wstring_view kControl = L"<Control>";

struct C1Name {
    std::int32_t Code;
    std::wstring_view Name;
};

// The C1 controls that get a name of their own where the library says "<Control>".
constexpr C1Name kC1Names[] = {
    {0x80, L"Padding Character"},
    {0x81, L"High Octet Preset"},
    {0x84, L"Index"},
    {0x99, L"Single Graphic Character Introducer"},
};

// Room the pool starts with for the library's names: about what the
// library gives, so that the pool seldom grows.
constexpr std::size_t kLibraryTextGuess = 29292 * 24;

bool InTable(std::int32_t code)
{
    return code >= 0 && code < kCharCount;
}

std::size_t At(std::int32_t code)
{
    return static_cast<std::size_t>(code);
}

} // namespace

const std::array<NameRange, 7>& NameRangeTable()
{
    static constexpr std::array<NameRange, 7> ranges = {{
        {0x3400, 0x4DBF, L"CJK Unified Ideograph"},
        {0x4E00, 0x9FA5, L"CJK Unified Ideograph"},
        {0xD800, 0xDB7F, L"Non Private Use High Surrogate"},
        {0xDB80, 0xDBFF, L"Private Use High Surrogate"},
        {0xDC00, 0xDFFF, L"Low Surrogate"},
        {0xE000, 0xF8FF, L"Private Use"},
        {0xF900, 0xFA2D, L"CJK Compatibility Ideograph"},
    }};
    return ranges;
}

int FindNameRange(std::int32_t code)
{
    const auto& ranges = NameRangeTable();
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        if (code >= ranges[i].First && code <= ranges[i].Last) return static_cast<int>(i);
    }
    return -1;
}

CharNameTable::CharNameTable()
{
    Clear(0);
}

void CharNameTable::Clear(std::size_t expectedText)
{
    slots_.assign(kCharCount, Slot());
    ie_.assign(kCharCount, false);
    text_ = std::wstring();
    text_.reserve(expectedText);
}

void CharNameTable::LoadCharNames(const NameSource& library, std::optional<std::wstring_view> namesText,
                                  std::optional<std::wstring_view> entitiesText)
{
    Clear((library ? kLibraryTextGuess : 0) + (namesText ? namesText->size() : 0) +
          (entitiesText ? entitiesText->size() : 0));
    LookUpNames(library);
    NameC1Controls();
    if (namesText) ReadNameFile(*namesText);
    if (entitiesText) ReadEntityFile(*entitiesText);
}

void CharNameTable::LookUpNames(const NameSource& library)
{
    if (!library) return;
    // One spare character: the library writes 255 bytes, half a character
    // more than the 127 a name may take.
    wchar_t buffer[kNameBufferChars + 1];
    Slot last;
    for (std::int32_t code = 0; code < kCharCount; ++code) {
        int range = FindNameRange(code);
        if (range >= 0) {
            code = NameRangeTable()[static_cast<std::size_t>(range)].Last;
            continue;
        }
        std::fill(std::begin(buffer), std::end(buffer), L' ');
        // A library that claims more than its buffer holds, or a negative
        // length, is held to the buffer.
        const int length = std::clamp<int>(library(static_cast<std::uint32_t>(code), buffer), 0, kNameBufferChars);
        const std::wstring_view name(buffer, static_cast<std::size_t>(length));
        Slot& slot = slots_[At(code)];
        // Runs of one name ("Undefined", "<Control>") share their text.
        if (name == NameOf(last)) {
            slot.NameAt = last.NameAt;
            slot.NameLength = last.NameLength;
        } else {
            slot.NameAt = Store(name);
            slot.NameLength = static_cast<std::uint32_t>(name.size());
            last = slot;
        }
    }
}

void CharNameTable::NameC1Controls()
{
    for (const C1Name& c1 : kC1Names) {
        Slot& slot = slots_[At(c1.Code)];
        if (NameOf(slot) != kControl) continue;
        slot.NameAt = Store(c1.Name);
        slot.NameLength = static_cast<std::uint32_t>(c1.Name.size());
    }
}

void CharNameTable::ReadNameFile(std::wstring_view text)
{
    for (std::wstring_view line : SplitLines(text)) {
        const std::optional<NameLine> parsed = ParseNameLine(line);
        if (!parsed) continue;
        Slot& slot = slots_[At(parsed->Code)];
        const std::wstring_view name = NameOf(slot);
        if (!name.empty() && name != kUndefined) continue;
        slot.NameAt = Store(parsed->Name);
        slot.NameLength = static_cast<std::uint32_t>(parsed->Name.size());
    }
}

void CharNameTable::ReadEntityFile(std::wstring_view text)
{
    for (std::wstring_view line : SplitLines(text)) {
        const std::optional<EntityLine> parsed = ParseEntityLine(line);
        if (!parsed) continue;
        Slot& slot = slots_[At(parsed->Code)];
        slot.EntityAt = Store(parsed->Entity);
        slot.EntityLength = static_cast<std::uint32_t>(parsed->Entity.size());
        if (parsed->IE) ie_[At(parsed->Code)] = true;
    }
}

std::uint32_t CharNameTable::Store(std::wstring_view text)
{
    const auto at = static_cast<std::uint32_t>(text_.size());
    text_.append(text);
    return at;
}

std::wstring_view CharNameTable::NameOf(const Slot& slot) const
{
    return std::wstring_view(text_).substr(slot.NameAt, slot.NameLength);
}

std::wstring_view CharNameTable::GetCharName(std::int32_t code) const
{
    if (!InTable(code)) return {};
    const std::wstring_view name = NameOf(slots_[At(code)]);
    if (!name.empty()) return name;
    const int range = FindNameRange(code);
    return range >= 0 ? NameRangeTable()[static_cast<std::size_t>(range)].Name : std::wstring_view();
}

CharRecord CharNameTable::Record(std::int32_t code) const
{
    if (!InTable(code)) return {};
    const Slot& slot = slots_[At(code)];
    CharRecord record;
    // Only an entity line sets the record's code, and it always brings an entity.
    record.Code = slot.EntityLength > 0 ? code : 0;
    record.IE = ie_[At(code)] ? 1 : 0;
    record.Name = NameOf(slot);
    record.Entity = std::wstring_view(text_).substr(slot.EntityAt, slot.EntityLength);
    return record;
}

} // namespace CharData
