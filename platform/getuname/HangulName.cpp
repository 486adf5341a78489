#include "HangulName.h"

#include <cctype>

namespace UName {
namespace {

// Short names of the leading consonants, vowels and trailing consonants.
const char* const kLeading[19] = {"G", "GG", "N", "D", "DD", "R", "M", "B", "BB", "S",
                                  "SS", "", "J", "JJ", "C", "K", "T", "P", "H"};
const char* const kVowel[21] = {"A", "AE", "YA", "YAE", "EO", "E", "YEO", "YE", "O", "WA", "WAE",
                                "OE", "YO", "U", "WEO", "WE", "WI", "YU", "EU", "YI", "I"};
const char* const kTrailing[28] = {"",  "G",  "GG", "GS", "N",  "NJ", "NH", "D",  "L",  "LG",
                                   "LM", "LB", "LS", "LT", "LP", "LH", "M",  "B",  "BS", "S",
                                   "SS", "NG", "J",  "C",  "K",  "T",  "P",  "H"};
constexpr uint32_t kVowelCount = 21;
constexpr uint32_t kTrailingCount = 28;

} // namespace

std::string HangulSyllableSuffix(uint32_t code)
{
    if (code < kHangulFirst || code > kHangulLast) return {};
    const uint32_t index = code - kHangulFirst;
    std::string name = kLeading[index / (kVowelCount * kTrailingCount)];
    name += kVowel[index % (kVowelCount * kTrailingCount) / kTrailingCount];
    name += kTrailing[index % kTrailingCount];
    for (size_t i = 1; i < name.size(); ++i) {
        name[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
    }
    return name;
}

} // namespace UName
