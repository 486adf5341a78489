// The name and entity files as Orlenta.exe carries them: resources "CSV"
// (RCDATA, English US) and "ENT" (RCDATA, neutral), byte for byte the
// committed files; so is the help topics' source ("TOPICS"), from which the
// help file beside the program is built too.
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
    {L"TOPICS", MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), "resources/help/Topics.txt"},
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

// The help file holds a page of every topic of the source, and no path of
// the machine it was built on.
TEST(OrlentaResources, HelpFileHasEveryTopicOfTheSource)
{
    std::string chm;
    {
        const std::string path = TestFiles::HostPath(ORLENTA_BINARY_DIR "/mainwin/Orlenta.chm");
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) GTEST_SKIP() << "no help file: the build found no chmcmd";
        char buffer[65536];
        DWORD got = 0;
        while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) chm.append(buffer, got);
        CloseHandle(file);
    }
    const std::string source = TestFiles::ReadSource("resources/help/Topics.txt");
    int topics = 0;
    for (std::string_view rest = source; !rest.empty();) {
        const size_t end = rest.find('\n');
        const std::string_view row = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (row.size() < 3 || row[0] != '[') continue;
        const std::string page = "/t" + std::string(row.substr(1, row.find(']') - 1)) + ".htm";
        EXPECT_NE(chm.find(page), std::string::npos) << page;
        ++topics;
    }
    EXPECT_EQ(topics, 48) << "the topics of the source";
    EXPECT_EQ(chm.find(ORLENTA_BINARY_DIR), std::string::npos) << "a build path in the help file";
}

} // namespace
