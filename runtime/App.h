#pragma once
// The application object: where the program lives, what it is called, and
// the fields of its version resource.
#include <string>

namespace Runtime::App {

std::wstring Path();     // the program's folder, without a trailing "\"
std::wstring EXEName();  // the executable's base name, without ".exe"

// Makes Path and EXEName answer `folder` and `exeName` instead of the
// executable's own, for a host that runs the program's forms in a process
// of its own (the window tests); empty texts return to the executable's.
void SetLocation(const std::wstring& folder, const std::wstring& exeName);
std::wstring Title();    // the program title (the version resource's product name)

int Major();             // version numbers of the version resource
int Minor();
int Revision();

// A string of the version resource's first string table ("CompanyName",
// "FileDescription", "Comments", ...); empty when it is missing.
std::wstring VersionString(const std::wstring& key);

// The application's help file: the file the runtime opens help from on
// its own (What's This on a control). It starts as the built-in setting
// "Orlenta.hlp"; empty, the runtime shows no help by itself.
const std::wstring& HelpFile();
void SetHelpFile(const std::wstring& file);

} // namespace Runtime::App
