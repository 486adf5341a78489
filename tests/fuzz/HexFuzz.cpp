// HexToCurrency on any text: either the value, which Val reads the same from
// "&H" and the text, or one of its two errors, and nothing else.
#include <cstdlib>

#include "common/Hex.h"
#include "common/Val.h"
#include "runtime/RuntimeError.h"
#include "tests/fuzz/FuzzText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::wstring text = FuzzText::FromBytes(data, size);
    try {
        std::int64_t value = Common::HexToCurrency(text);
        if (text.size() > 12 || value < 0 || value > 0xFFFFFFFFFFFFLL) std::abort();
        if (Common::Val(L"&H" + text) != static_cast<double>(value)) std::abort();
    } catch (const Runtime::Error& e) {
        if (e.Number() != Runtime::ErrTypeMismatch && e.Number() != Runtime::ErrOverflow) std::abort();
    }
    return 0;
}
