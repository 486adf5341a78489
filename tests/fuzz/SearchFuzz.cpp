// The search box's readers on any text: the words of a name search, the
// entity name of an entity search, and the go-to box's numbers.
#include <cstdlib>

#include "chardata/EntitySearch.h"
#include "chardata/GoToTarget.h"
#include "chardata/NameSearch.h"
#include "tests/fuzz/FuzzText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::wstring text = FuzzText::FromBytes(data, size);

    // The words joined by blanks are the trimmed text, and a text holds its
    // own words.
    std::wstring joined;
    for (const std::wstring& word : CharData::SearchWords(text)) joined += (joined.empty() ? L"" : L" ") + word;
    const std::size_t first = text.find_first_not_of(L' ');
    const std::wstring trimmed = first == std::wstring::npos
                                     ? std::wstring()
                                     : text.substr(first, text.find_last_not_of(L' ') - first + 1);
    if (joined.size() != trimmed.size() && !(trimmed.empty() && joined.empty())) std::abort();
    if (!trimmed.empty() && !CharData::NameQuery(text).Matches(text)) std::abort();

    // An entity name is the text between "&" and ";", without " &;".
    if (const auto name = CharData::EntitySearchName(text)) {
        if (name->size() + 2 != trimmed.size() || trimmed.back() != L';') std::abort();
        if (name->find(L" &;") != std::wstring::npos) std::abort();
    }

    // The go-to box: any text gives a value, and hexadecimal digits of up to
    // four characters go to decimal and back to the same value.
    const std::int32_t hex = CharData::GoToBoxValue(text, true);
    if (hex < 0 || CharData::GoToBoxValue(text, false) < 0) std::abort();
    if (text.size() <= 4 && text.find_first_not_of(L"0123456789abcdefABCDEF") == std::wstring::npos) {
        const std::wstring decimal = CharData::GoToTextInBase(text, false);
        if (CharData::GoToBoxValue(decimal, false) != hex) std::abort();
        const std::wstring back = CharData::GoToTextInBase(decimal, true);
        if (hex > 0 && CharData::GoToBoxValue(back, true) != hex) std::abort();
    }
    return 0;
}
