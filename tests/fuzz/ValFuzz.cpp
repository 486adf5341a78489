// Val on any text: never reads out of bounds, never hangs, never gives NaN;
// hexadecimal and octal values are never negative; and it reads only the
// leading number, so text appended after a stop character changes nothing.
#include <cmath>
#include <cstdlib>

#include "common/Val.h"
#include "tests/fuzz/FuzzText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::wstring text = FuzzText::FromBytes(data, size);
    double value = Common::Val(text);
    if (std::isnan(value)) std::abort();

    std::wstring radix = L"&H" + text;
    if (Common::Val(radix) < 0) std::abort();
    radix[1] = L'O';
    if (Common::Val(radix) < 0) std::abort();

    // "," never belongs to a number, so nothing after it counts.
    if (Common::Val(text + L",9e9") != value) std::abort();
    return 0;
}
