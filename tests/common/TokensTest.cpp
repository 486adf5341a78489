#include "common/Tokens.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Common::GetLine;
using Common::GetToken;

// The walk GetLine(text, delimiter), then GetToken(text) until `steps`
// tokens were read.
std::vector<std::wstring> Walk(const std::wstring& text, const std::wstring& delimiter, int steps,
                               bool delimiterIsSet = false)
{
    std::vector<std::wstring> tokens;
    if (delimiterIsSet) {
        int position = 0;
        tokens.push_back(GetToken(text, delimiter, &position, true));
    } else {
        tokens.push_back(GetLine(text, delimiter));
    }
    while (static_cast<int>(tokens.size()) < steps) tokens.push_back(GetToken(text, {}, nullptr, delimiterIsSet));
    return tokens;
}

TEST(TokenWalk, Table)
{
    struct {
        const char* name;
        std::wstring text;
        std::wstring delimiter;
        bool delimiterIsSet;
        std::vector<std::wstring> tokens;
    } cases[] = {
        {"comma walk restarts after the end", L"a,b", L",", false, {L"a", L"b", L"", L"a", L"b"}},
        {"empty token in the middle", L"a,,b", L",", false, {L"a", L"", L"b", L""}},
        {"lines", L"one\r\ntwo", L"\r\n", false, {L"one", L"two", L""}},
        {"trailing delimiter", L"a,", L",", false, {L"a", L"", L"a"}},
        {"leading delimiter", L",a", L",", false, {L"", L"a", L""}},
        {"several-character delimiter", L"a::b:c", L"::", false, {L"a", L"b:c", L""}},
        {"no delimiter in the text", L"abc", L",", false, {L"abc", L"", L"abc"}},
        {"delimiter set", L"a,b c", L", ", true, {L"a", L"b", L"c", L""}},
        {"delimiter set, two in a row", L"a, b", L", ", true, {L"a", L"", L"b"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Walk(c.text, c.delimiter, static_cast<int>(c.tokens.size()), c.delimiterIsSet), c.tokens)
            << c.name;
    }
}

TEST(TokenWalk, GetLineDefaultsToLineBreaks)
{
    const std::wstring text = L"one\r\ntwo";
    EXPECT_EQ(GetLine(text), L"one");
    EXPECT_EQ(GetToken(text), L"two");
    EXPECT_EQ(GetToken(text), L"");
}

TEST(TokenWalk, PositionSetsAndReceivesTheCursor)
{
    const std::wstring text = L"a,bb,c";
    int position = 3;
    EXPECT_EQ(GetToken(text, L",", &position), L"bb");
    EXPECT_EQ(position, 6);
    EXPECT_EQ(GetToken(text), L"c");

    position = 99;
    EXPECT_EQ(GetToken(text, L",", &position), L"");
    EXPECT_EQ(position, 0) << "beyond the end the cursor goes back to the start";
    EXPECT_EQ(GetToken(text), L"a");
}

TEST(TokenWalk, NegativePositionTakesTheRest)
{
    const std::wstring text = L"a,b,c";
    EXPECT_EQ(GetLine(text, L","), L"a");
    int rest = -1;
    EXPECT_EQ(GetToken(text, {}, &rest), L"b,c");
    EXPECT_EQ(rest, 6);
    EXPECT_EQ(GetToken(text), L"");
}

TEST(TokenWalk, EmptyTextLeavesTheCursorAlone)
{
    const std::wstring text = L"a,b";
    EXPECT_EQ(GetLine(text, L","), L"a");
    int position = 1;
    EXPECT_EQ(GetToken(L"", L";", &position), L"");
    EXPECT_EQ(position, 1);
    EXPECT_EQ(GetToken(text), L"b") << "delimiter and position kept";
}

TEST(TokenWalk, NewDelimiterInTheMiddleOfAWalk)
{
    const std::wstring text = L"a,b;c,d";
    EXPECT_EQ(GetLine(text, L","), L"a");
    EXPECT_EQ(GetToken(text, L";"), L"b");
    EXPECT_EQ(GetToken(text), L"c,d");
}

} // namespace
