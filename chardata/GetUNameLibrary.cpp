#include "chardata/GetUNameLibrary.h"

namespace CharData {

GetUNameLibrary::GetUNameLibrary(const wchar_t* fileName) : module_(LoadLibraryW(fileName))
{
    if (module_.Get())
        proc_ = reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module_.Get(), "GetUName")));
}

CharNameTable::NameSource GetUNameLibrary::Source() const
{
    if (!proc_) return {};
    Proc proc = proc_;
    return [proc](std::uint32_t code, wchar_t* buffer) { return proc(code, buffer); };
}

} // namespace CharData
