#include "common/Version.h"
#include "runtime/App.h"

namespace Common {

std::wstring AppVersion(int style)
{
    return FormatVersion(style, Runtime::App::Major(), Runtime::App::Minor(), Runtime::App::Revision());
}

} // namespace Common
