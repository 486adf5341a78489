#include "common/Tokens.h"

#include "common/TextSearch.h"

namespace Common {

namespace {

struct TokenCursor {
    std::wstring delimiter;
    int position = 0;  // 1-based start of the next token; below 1 means 1
};

TokenCursor& Cursor()
{
    static TokenCursor cursor;
    return cursor;
}

} // namespace

std::wstring GetLine(std::wstring_view text, std::wstring_view delimiter)
{
    int position = 0;
    return GetToken(text, delimiter, &position);
}

std::wstring GetToken(std::wstring_view text, std::wstring_view delimiter, int* position, bool delimiterIsSet)
{
    if (text.empty()) return std::wstring();
    TokenCursor& cursor = Cursor();
    if (!delimiter.empty()) cursor.delimiter = delimiter;
    if (cursor.delimiter.empty()) return std::wstring();

    bool restOfText = position && *position < 0;
    if (position && !restOfText) cursor.position = *position;
    if (cursor.position < 1) cursor.position = 1;

    std::wstring token;
    auto length = static_cast<int>(text.size());
    if (cursor.position > length) {
        cursor.position = 0;
    } else {
        int found = 0;
        if (!restOfText) {
            found = delimiterIsSet ? InStrAny(cursor.position, text, cursor.delimiter, CompareBinary, false)
                                   : InStr(cursor.position, text, cursor.delimiter, CompareBinary);
        }
        auto from = static_cast<std::size_t>(cursor.position - 1);
        if (found > 0) {
            token = text.substr(from, static_cast<std::size_t>(found) - 1 - from);
            cursor.position = found + (delimiterIsSet ? 1 : static_cast<int>(cursor.delimiter.size()));
        } else {
            token = text.substr(from);
            cursor.position = length + 1;
        }
    }
    if (position) *position = cursor.position;
    return token;
}

} // namespace Common
