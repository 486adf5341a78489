// Building the name table from the system's name library and the files.
#include "chardata/AnsiTextFile.h"
#include "chardata/CharNameTable.h"
#include "chardata/GetUNameLibrary.h"

namespace CharData {

bool CharNameTable::LoadCharNames(const std::wstring& namesPath, const std::wstring& entitiesPath)
{
    const GetUNameLibrary library;
    const std::optional<std::wstring> names = ReadAnsiTextFile(namesPath);
    const std::optional<std::wstring> entities = ReadAnsiTextFile(entitiesPath);
    LoadCharNames(library.Source(), names ? std::optional<std::wstring_view>(*names) : std::nullopt,
                  entities ? std::optional<std::wstring_view>(*entities) : std::nullopt);
    return library.Loaded();
}

} // namespace CharData
