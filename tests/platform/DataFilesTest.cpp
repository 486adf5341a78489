// The committed character data: the program's name file and entity file
// (resources "CSV" and "ENT") and the name list of GetUName.dll.
#include "NameTable.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using TestFiles::CrLfLines;
using TestFiles::ReadSource;

constexpr const char* kNamesFile = "resources/CharNames.csv";
constexpr const char* kEntitiesFile = "resources/Entities.ent";
constexpr const char* kLibraryFile = "platform/getuname/Names.txt";

// The program's built-in name ranges: the name file must not hold them.
const std::pair<uint32_t, uint32_t> kBuiltInRanges[] = {
    {0x3400, 0x4DBF}, {0x4E00, 0x9FA5}, {0xD800, 0xDB7F}, {0xDB80, 0xDBFF},
    {0xDC00, 0xDFFF}, {0xE000, 0xF8FF}, {0xF900, 0xFA2D},
};

bool InBuiltInRange(uint32_t code)
{
    return std::any_of(std::begin(kBuiltInRanges), std::end(kBuiltInRanges),
                       [code](const auto& r) { return code >= r.first && code <= r.second; });
}

bool IsUpperHex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

// The code of a line that starts with four upper-case hex digits and ",",
// or -1.
long LineCode(std::string_view line)
{
    if (line.size() < 5 || line[4] != ',') return -1;
    if (!std::all_of(line.begin(), line.begin() + 4, IsUpperHex)) return -1;
    return std::stol(std::string(line.substr(0, 4)), nullptr, 16);
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// Bytes are printable ASCII, and CR and LF only appear as CR LF.
void ExpectAsciiCrLfText(std::string_view text, const char* file)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\r') {
            ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << file << ": bare CR at byte " << i;
        } else if (c == '\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << file << ": bare LF at byte " << i;
        } else {
            ASSERT_TRUE(c >= 0x20 && c < 0x7F) << file << ": byte " << int(c) << " at " << i;
        }
    }
}

// The lines of a file that must end in CR LF.
std::vector<std::string_view> RecordLines(std::string_view text, const char* file)
{
    EXPECT_GE(text.size(), 2u) << file;
    EXPECT_EQ(text.substr(text.size() < 2 ? 0 : text.size() - 2), "\r\n") << file << " must end with CR LF";
    return CrLfLines(text);
}

void ExpectAscendingUnique(const std::vector<long>& codes, const char* file)
{
    for (size_t i = 1; i < codes.size(); ++i) {
        ASSERT_LT(codes[i - 1], codes[i]) << file << ": line " << i + 1 << " is out of order";
    }
}

class NameFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        bytes_ = ReadSource(kNamesFile);
        ASSERT_FALSE(bytes_.empty()) << kNamesFile;
    }
    std::string bytes_;
};

TEST_F(NameFile, EndsWithCrLfAndOneNul)
{
    ASSERT_GE(bytes_.size(), 3u);
    EXPECT_EQ(bytes_.substr(bytes_.size() - 3), std::string("\r\n\0", 3));
    EXPECT_EQ(bytes_.find('\0'), bytes_.size() - 1) << "a NUL before the end";
}

TEST_F(NameFile, RecordLinesOnly)
{
    const std::string_view text(bytes_.data(), bytes_.size() - 1);
    ExpectAsciiCrLfText(text, kNamesFile);
    std::vector<long> codes;
    for (std::string_view line : RecordLines(text, kNamesFile)) {
        const long code = LineCode(line);
        ASSERT_GE(code, 0) << "not a record line: " << line;
        const std::string_view name = line.substr(5);
        ASSERT_FALSE(name.empty()) << line;
        EXPECT_NE(name.front(), ' ') << line;
        EXPECT_NE(name.back(), ' ') << line;
        EXPECT_EQ(name.find(','), std::string_view::npos) << line;
        EXPECT_LE(name.size(), 127u) << line;
        EXPECT_FALSE(InBuiltInRange(static_cast<uint32_t>(code))) << line;
        codes.push_back(code);
    }
    ExpectAscendingUnique(codes, kNamesFile);
}

TEST_F(NameFile, HoldsTheNewerCharacters)
{
    const char* const expected[] = {
        "0220,Latin Capital Letter N With Long Right Leg", // first added after 3.1
        "0237,Latin Small Letter Dotless J",
        "9FA6,CJK Unified Ideograph-9FA6",                 // just past the built-in range
        "9FFF,CJK Unified Ideograph-9FFF",
        "FA2E,CJK Compatibility Ideograph-FA2E",
        "FF60,Fullwidth Right White Parenthesis",
    };
    const std::string text = "\r\n" + bytes_;
    for (const char* line : expected) {
        EXPECT_NE(text.find("\r\n" + std::string(line) + "\r\n"), std::string::npos) << line;
    }
}

class EntityFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        text_ = ReadSource(kEntitiesFile);
        ASSERT_FALSE(text_.empty()) << kEntitiesFile;
    }
    std::string text_;
};

bool IsEntityName(std::string_view name)
{
    auto alnum = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); };
    return !name.empty() && !(name[0] >= '0' && name[0] <= '9') &&
           std::all_of(name.begin(), name.end(), [&](char c) { return alnum(c) || c == '.'; });
}

TEST_F(EntityFile, RecordLinesOnly)
{
    ExpectAsciiCrLfText(text_, kEntitiesFile);
    std::vector<long> codes;
    std::map<std::string_view, std::string_view> lineOfName;
    int marked = 0;
    for (std::string_view line : RecordLines(text_, kEntitiesFile)) {
        const long code = LineCode(line);
        ASSERT_GE(code, 0) << "not a record line: " << line;
        const auto fields = Split(line.substr(5), ',');
        ASSERT_GE(fields.size(), 2u) << "no entity name: " << line;
        ASSERT_TRUE(fields[0] == "IE" || fields[0] == "  ") << "marker of " << line;
        marked += fields[0] == "IE";
        std::set<std::string_view> names;
        for (size_t i = 1; i < fields.size(); ++i) {
            EXPECT_TRUE(IsEntityName(fields[i])) << "name " << i << " of " << line;
            EXPECT_TRUE(names.insert(fields[i]).second) << "twice on " << line;
            // A name for two characters would make the entity search ambiguous.
            const auto [at, fresh] = lineOfName.emplace(fields[i], line);
            EXPECT_TRUE(fresh) << fields[i] << " on " << at->second << " and " << line;
        }
        codes.push_back(code);
    }
    EXPECT_EQ(marked, 252) << "one IE line per HTML 4 entity";
    ExpectAscendingUnique(codes, kEntitiesFile);
}

TEST_F(EntityFile, KnownLines)
{
    const char* const expected[] = {
        "0022,IE,quot",
        "0026,IE,amp",        // both written doubly escaped in their sets
        "003C,IE,lt",
        "002A,  ,ast,midast",
        "00A0,IE,nbsp,NonBreakingSpace",
        "00E9,IE,eacute",
        "03B1,IE,alpha,agr",
        "20AC,IE,euro",
        // Defined in their sets as a blank carrying a combining mark: the mark.
        "0311,  ,DownBreve",
        "0332,  ,UnderBar",
        "20DB,  ,tdot,TripleDot",
        "20DC,  ,DotDot",
    };
    const std::string text = "\r\n" + text_;
    for (const char* line : expected) {
        EXPECT_NE(text.find("\r\n" + std::string(line) + "\r\n"), std::string::npos) << line;
    }
}

TEST(LibraryList, EveryRecordLineIsRead)
{
    const std::string text = ReadSource(kLibraryFile);
    ASSERT_FALSE(text.empty()) << kLibraryFile;
    size_t records = 0;
    for (std::string_view line : Split(text, '\n')) {
        if (line.empty() || line.front() == ';') continue;
        ++records;
    }
    EXPECT_EQ(UName::NameTable(text).size(), records) << "a line of " << kLibraryFile << " is not understood";
}

// The library and the name file share the work: the name file holds only
// code points that the library does not know.
TEST(LibraryList, NameFileHoldsOnlyWhatTheLibraryLacks)
{
    const std::string library = ReadSource(kLibraryFile);
    const std::string names = ReadSource(kNamesFile);
    ASSERT_FALSE(library.empty());
    ASSERT_FALSE(names.empty());
    const UName::NameTable table(library);
    for (std::string_view line : CrLfLines(std::string_view(names.data(), names.size() - 1))) {
        const long code = LineCode(line);
        ASSERT_GE(code, 0) << line;
        EXPECT_EQ(table.Name(static_cast<uint32_t>(code)), "Undefined") << line;
    }
}

} // namespace
