// Building the name table from the system's name library and the files.
#include "chardata/AnsiTextFile.h"
#include "chardata/CharNameTable.h"
#include "chardata/GetUNameLibrary.h"

namespace CharData {

bool CharNameTable::LoadCharNames(const std::wstring& namesPath, const std::wstring& entitiesPath)
{
    return LoadCharNames(ReadAnsiTextFile(namesPath), ReadAnsiTextFile(entitiesPath));
}

bool CharNameTable::LoadCharNames(const std::optional<std::wstring>& namesText,
                                  const std::optional<std::wstring>& entitiesText)
{
    const GetUNameLibrary library;
    LoadCharNames(library.Source(), namesText ? std::optional<std::wstring_view>(*namesText) : std::nullopt,
                  entitiesText ? std::optional<std::wstring_view>(*entitiesText) : std::nullopt);
    return library.Loaded();
}

} // namespace CharData
