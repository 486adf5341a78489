// The remote version file's readers on any text: the "Version" and "Size"
// items and the comparison of the version found with a local one never read
// out of bounds or hang; a version that cannot be read is run-time error 13
// and nothing else; and the comparison is antisymmetric.
#include <cstdlib>

#include "common/CompareVersions.h"
#include "common/KeyValue.h"
#include "common/Val.h"
#include "runtime/RuntimeError.h"
#include "tests/fuzz/FuzzText.h"

namespace {

int Compare(const std::wstring& a, const std::wstring& b, bool& failed)
{
    try {
        return Common::CompareVersions(a, b);
    } catch (const Runtime::Error& e) {
        if (e.Number() != Runtime::ErrTypeMismatch) std::abort();
        failed = true;
        return 0;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::wstring text = FuzzText::FromBytes(data, size);
    Common::Val(Common::GetKeyValue(text, L"Size", L";"));
    int position = 0;
    std::wstring version = Common::GetKeyValue(text, L"Version", L";", false, &position);
    if (version.size() > text.size() || position < -1) std::abort();
    Common::GetKeyValue(text, L"Version", L"\";");

    bool failed = false;
    int forward = Compare(L"6.08", version, failed);
    int backward = Compare(version, L"6.08", failed);
    if (!failed && forward != -backward) std::abort();
    failed = false;
    int itself = Compare(text, text, failed);
    if (!failed && itself != 0) std::abort();
    return 0;
}
