#include "CommittedNames.h"

#include <gtest/gtest.h>

#include "tests/platform/TestFiles.h"

namespace TestNames {

namespace {

std::int32_t Hex(std::wstring_view digits)
{
    return static_cast<std::int32_t>(std::stol(std::wstring(digits), nullptr, 16));
}

std::vector<std::wstring_view> Lines(std::wstring_view text, std::wstring_view end)
{
    std::vector<std::wstring_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t at = text.find(end, start);
        if (at == std::wstring_view::npos) at = text.size();
        lines.push_back(text.substr(start, at - start));
        start = at + end.size();
    }
    return lines;
}

CommittedNames Read()
{
    CommittedNames data;
    const std::wstring library = SourceText(kLibraryList);
    EXPECT_FALSE(library.empty()) << kLibraryList;
    for (std::wstring_view line : Lines(library, L"\n")) {
        if (line.empty() || line[0] == L';') continue;
        // "XXXX,Name" or "XXXX..YYYY,Name"
        const std::int32_t first = Hex(line.substr(0, 4));
        const std::int32_t last = line.substr(4, 2) == L".." ? Hex(line.substr(6, 4)) : first;
        for (std::int32_t code = first; code <= last; ++code) data.assigned.set(static_cast<std::size_t>(code));
    }

    const std::wstring names = SourceText(kNamesFile);
    EXPECT_FALSE(names.empty()) << kNamesFile;
    for (std::wstring_view line : Lines(names, L"\r\n")) {
        if (line.size() < 6 || line[4] != L',') continue; // the final NUL
        const std::int32_t code = Hex(line.substr(0, 4));
        data.assigned.set(static_cast<std::size_t>(code));
        data.fileNames[code] = std::wstring(line.substr(5));
    }

    const std::wstring entities = SourceText(kEntitiesFile);
    EXPECT_FALSE(entities.empty()) << kEntitiesFile;
    for (std::wstring_view line : Lines(entities, L"\r\n")) {
        // "XXXX,MM,names"
        const std::int32_t code = Hex(line.substr(0, 4));
        data.entities[code] = std::wstring(line.substr(8));
        data.ieMarked[code] = line.substr(5, 2) == L"IE";
    }
    return data;
}

} // namespace

std::wstring SourceText(const char* relative)
{
    const std::string bytes = TestFiles::ReadSource(relative);
    std::wstring text;
    text.reserve(bytes.size());
    for (char c : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return text;
}

const CommittedNames& Committed()
{
    static const CommittedNames data = Read();
    return data;
}

void ExpectTableMatchesCommittedData(const CharData::CharNameTable& table)
{
    const CommittedNames& data = Committed();
    int failures = 0;
    for (std::int32_t code = 0; code < CharData::kCharCount && failures < 20; ++code) {
        if (CharData::FindNameRange(code) >= 0) continue;
        const std::wstring_view name = table.Record(code).Name;
        const bool named = !name.empty() && name != L"Undefined";
        if (named != data.assigned[static_cast<std::size_t>(code)]) {
            ADD_FAILURE() << "U+" << std::hex << code << (named ? " is unassigned but named '" : " has no name '")
                          << std::wstring(name) << "'";
            ++failures;
        }
    }
    for (const auto& [code, fileName] : data.fileNames) {
        if (CharData::FindNameRange(code) >= 0) continue;
        EXPECT_EQ(table.Record(code).Name, fileName) << "U+" << std::hex << code;
    }
    std::size_t withEntity = 0, marked = 0, expectedMarked = 0;
    for (std::int32_t code = 0; code < CharData::kCharCount; ++code) {
        const CharData::CharRecord record = table.Record(code);
        withEntity += !record.Entity.empty();
        marked += static_cast<std::size_t>(record.IE);
    }
    for (const auto& [code, entity] : data.entities) {
        const CharData::CharRecord record = table.Record(code);
        EXPECT_EQ(record.Code, code) << "U+" << std::hex << code;
        EXPECT_EQ(record.Entity, entity) << "U+" << std::hex << code;
        EXPECT_EQ(record.IE != 0, data.ieMarked.at(code)) << "U+" << std::hex << code;
        expectedMarked += data.ieMarked.at(code);
    }
    EXPECT_EQ(withEntity, data.entities.size());
    EXPECT_EQ(marked, expectedMarked);
}

} // namespace TestNames
