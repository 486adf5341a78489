#pragma once
// The tree's committed character data as a test reads it: the GetUName
// stand-in's name list (platform/getuname/Names.txt), the program's name
// file (resources/CharNames.csv) and entity file (resources/Entities.ent).
#include <bitset>
#include <map>
#include <string>

#include "chardata/CharNameTable.h"

namespace TestNames {

// A file of the source tree as text, one character per byte; empty when it
// cannot be read.
std::wstring SourceText(const char* relative);

inline constexpr const char* kLibraryList = "platform/getuname/Names.txt";
inline constexpr const char* kNamesFile = "resources/CharNames.csv";
inline constexpr const char* kEntitiesFile = "resources/Entities.ent";

struct CommittedNames {
    std::bitset<0x10000> assigned;            // named by the library list or the name file
    std::map<std::int32_t, std::wstring> fileNames;  // the name file's lines
    std::map<std::int32_t, std::wstring> entities;   // the entity file's lines
    std::map<std::int32_t, bool> ieMarked;
};

// Read from the committed files with a reader of the test's own.
const CommittedNames& Committed();

// Checks a built table against the committed data: every assigned code
// point outside the built-in ranges has a name that is not "Undefined"
// (the name file's own name where the library has none), every unassigned
// one has none, and every entity line reached its record.
void ExpectTableMatchesCommittedData(const CharData::CharNameTable& table);

} // namespace TestNames
