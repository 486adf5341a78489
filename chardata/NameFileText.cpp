#include "chardata/NameFileText.h"

#include "chardata/AnsiTextFile.h"
#include "common/Files.h"
#include "common/ResourceData.h"

namespace CharData {

NameFileText ReadNameFile(const std::wstring& resourceName, const std::wstring& path)
{
    NameFileText result;
    if (!Common::FileExists(path)) {
        try {
            Common::SaveResToFile(resourceName, path);
        } catch (const Runtime::Error& error) {
            result.WriteError = error;
            result.Text = AnsiText(Common::ResourceBytes(resourceName));
            return result;
        }
    }
    result.Text = ReadAnsiTextFile(path);
    return result;
}

} // namespace CharData
