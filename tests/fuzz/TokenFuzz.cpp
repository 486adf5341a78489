// A token walk over any text with any delimiter: every token is the text at
// the cursor up to the next delimiter (or the rest), the cursor moves on past
// that delimiter, and the walk ends within Len(text) + 1 calls.
#include <cstdlib>

#include "common/TextSearch.h"
#include "common/Tokens.h"
#include "tests/fuzz/FuzzText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) return 0;
    // First byte: delimiter length 1..4 and whether it is a set.
    std::size_t delimiterLength = 1 + (data[0] & 3);
    bool isSet = (data[0] & 4) != 0;
    std::wstring all = FuzzText::FromBytes(data + 1, size - 1);
    if (all.size() < delimiterLength) return 0;
    std::wstring delimiter = all.substr(0, delimiterLength);
    std::wstring text = all.substr(delimiterLength);

    int position = 0;
    std::wstring first = Common::GetToken(text, delimiter, &position, isSet);
    if (text.empty()) {
        if (!first.empty()) std::abort();
        return 0;
    }

    int start = 1;
    std::wstring token = first;
    for (std::size_t calls = 1;; ++calls) {
        if (calls > text.size() + 2) std::abort();
        if (position == 0) {
            if (!token.empty()) std::abort();
            break;
        }
        auto from = static_cast<std::size_t>(start - 1);
        if (text.compare(from, token.size(), token) != 0) std::abort();
        std::size_t end = from + token.size();
        if (static_cast<std::size_t>(position) != text.size() + 1 || end != text.size()) {
            // The token ended at a delimiter.
            std::size_t step = isSet ? 1 : delimiter.size();
            if (isSet ? delimiter.find(text[end]) == std::wstring::npos : text.compare(end, step, delimiter) != 0)
                std::abort();
            if (static_cast<std::size_t>(position) != end + step + 1) std::abort();
        }
        int inToken = isSet ? Common::InStrAny(1, token, delimiter, Common::CompareBinary, false)
                            : Common::InStr(1, token, delimiter);
        if (inToken != 0) std::abort();
        start = position;
        token = Common::GetToken(text, {}, &position, isSet);
    }
    return 0;
}
