// The name and entity files as Orlenta.exe carries them: resources "CSV"
// (RCDATA, English US) and "ENT" (RCDATA, neutral), byte for byte the
// committed files.
#include "TestFiles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct LibraryFree {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using Library = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFree>;

Library LoadProgramImage()
{
    const std::string path = TestFiles::HostPath(ORLENTA_BINARY_DIR "/mainwin/Orlenta.exe");
    return Library(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

// The bytes of an RCDATA resource of exactly `language`, or nothing.
bool ReadResource(HMODULE module, const wchar_t* name, WORD language, std::string& bytes)
{
    HRSRC info = FindResourceExW(module, RT_RCDATA, name, language);
    if (!info) return false;
    HGLOBAL data = LoadResource(module, info);
    const char* start = data ? static_cast<const char*>(LockResource(data)) : nullptr;
    if (!start) return false;
    bytes.assign(start, SizeofResource(module, info));
    return true;
}

struct ResourceCase {
    const wchar_t* name;
    WORD language;
    const char* file;
};

const ResourceCase kResources[] = {
    {L"CSV", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), "resources/CharNames.csv"},
    {L"ENT", MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), "resources/Entities.ent"},
};

TEST(OrlentaResources, MatchTheCommittedFiles)
{
    const Library program = LoadProgramImage();
    ASSERT_TRUE(program) << "cannot open Orlenta.exe, error " << GetLastError();
    for (const auto& r : kResources) {
        std::string bytes;
        ASSERT_TRUE(ReadResource(program.get(), r.name, r.language, bytes))
            << r.file << ": no resource of language " << r.language;
        const std::string committed = TestFiles::ReadSource(r.file);
        ASSERT_FALSE(committed.empty()) << r.file;
        EXPECT_EQ(bytes.size(), committed.size()) << r.file;
        EXPECT_TRUE(bytes == committed) << r.file << " differs from its resource";
    }
}

TEST(OrlentaResources, NameFileNamesDotlessJ)
{
    const Library program = LoadProgramImage();
    ASSERT_TRUE(program);
    std::string bytes;
    ASSERT_TRUE(ReadResource(program.get(), L"CSV", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), bytes));
    EXPECT_NE(bytes.find("\r\n0237,Latin Small Letter Dotless J\r\n"), std::string::npos);
}

} // namespace
