#include "common/Val.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace Common {

namespace {

// Exponent digits beyond this value cannot change the outcome (the result is
// already infinite or zero); capping keeps the arithmetic from overflowing.
constexpr std::int64_t kExponentCap = 1'000'000'000;
// Decimal exponents (of 0.ddd form) beyond these are out of double's range.
constexpr std::int64_t kMaxDecimalExponent = 400;
constexpr std::int64_t kMinDecimalExponent = -400;

bool IsLeadingSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Value of a hexadecimal digit, -1 for anything else.
int DigitValue(wchar_t c)
{
    if (c >= L'0' && c <= L'9') return static_cast<int>(c - L'0');
    if (c >= L'A' && c <= L'F') return static_cast<int>(c - L'A') + 10;
    if (c >= L'a' && c <= L'f') return static_cast<int>(c - L'a') + 10;
    return -1;
}

// Walks the text one character at a time, stepping over the blanks that may
// stand between the characters of a number. Peek gives 0 at the end.
class Reader {
public:
    explicit Reader(std::wstring_view text) : text_(text) {}

    void SkipLeadingSpace()
    {
        while (pos_ < text_.size() && IsLeadingSpace(text_[pos_])) ++pos_;
    }
    wchar_t Peek()
    {
        while (pos_ < text_.size() && text_[pos_] == L' ') ++pos_;
        return pos_ < text_.size() ? text_[pos_] : L'\0';
    }
    void Next() { ++pos_; }

private:
    std::wstring_view text_;
    std::size_t pos_ = 0;
};

double ReadRadix(Reader& in, int radix)
{
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t value = 0;
    for (;;) {
        int digit = DigitValue(in.Peek());
        if (digit < 0 || digit >= radix) break;
        in.Next();
        auto d = static_cast<std::uint64_t>(digit);
        value = value > (kMax - d) / static_cast<std::uint64_t>(radix) ? kMax : value * radix + d;
    }
    return static_cast<double>(value);
}

std::int64_t ReadExponent(Reader& in)
{
    bool negative = false;
    if (in.Peek() == L'+' || in.Peek() == L'-') {
        negative = in.Peek() == L'-';
        in.Next();
    }
    std::int64_t exponent = 0;
    while (IsDigit(in.Peek())) {
        exponent = exponent * 10 + (in.Peek() - L'0');
        if (exponent > kExponentCap) exponent = kExponentCap;
        in.Next();
    }
    return negative ? -exponent : exponent;
}

// The value of the digits (the point after the first `intCount` of them)
// times ten to `exponent`, correctly rounded.
double DecimalValue(const std::string& digits, std::size_t intCount, std::int64_t exponent)
{
    std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return 0.0;
    std::size_t last = digits.find_last_not_of('0');
    // digits = 0.<significant> x 10^decimalExponent
    std::int64_t decimalExponent =
        static_cast<std::int64_t>(intCount) - static_cast<std::int64_t>(first) + exponent;
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    if (decimalExponent > kMaxDecimalExponent) return kInfinity;
    if (decimalExponent < kMinDecimalExponent) return 0.0;

    std::string normal = "0." + digits.substr(first, last - first + 1) + "e" + std::to_string(decimalExponent);
    double value = 0.0;
    auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (result.ec == std::errc::result_out_of_range) return decimalExponent > 0 ? kInfinity : 0.0;
    return value;
}

double ReadDecimal(Reader& in)
{
    bool negative = false;
    if (in.Peek() == L'+' || in.Peek() == L'-') {
        negative = in.Peek() == L'-';
        in.Next();
    }
    std::string digits;
    while (IsDigit(in.Peek())) {
        digits += static_cast<char>(in.Peek());
        in.Next();
    }
    std::size_t intCount = digits.size();
    if (in.Peek() == L'.') {
        in.Next();
        while (IsDigit(in.Peek())) {
            digits += static_cast<char>(in.Peek());
            in.Next();
        }
    }
    if (digits.empty()) return 0.0;

    std::int64_t exponent = 0;
    wchar_t c = in.Peek();
    if (c == L'E' || c == L'e' || c == L'D' || c == L'd') {
        in.Next();
        exponent = ReadExponent(in);
    }
    double value = DecimalValue(digits, intCount, exponent);
    return negative && value != 0.0 ? -value : value;
}

} // namespace

double Val(std::wstring_view text)
{
    Reader in(text);
    in.SkipLeadingSpace();
    if (in.Peek() != L'&') return ReadDecimal(in);
    in.Next();
    switch (in.Peek()) {
    case L'H': case L'h': in.Next(); return ReadRadix(in, 16);
    case L'O': case L'o': in.Next(); return ReadRadix(in, 8);
    default: return 0.0;
    }
}

} // namespace Common
