#pragma once
// Files and folders: finding a program, testing for a file, special
// folders, writing a resource out to a file, the shell's Properties sheet.
#include <windows.h>

#include <string>

namespace Common {

// The full path of a file found on the system search path (or in the folder
// the name gives), or empty. A drive root or no folder means the standard
// search order.
std::wstring SearchPath(const std::wstring& fileName);

// True for an existing file; false for a folder, a missing path or empty text.
bool FileExists(const std::wstring& path);

// The path of a special folder (a CSIDL number), or empty.
std::wstring SpecialFolder(int csidl, HWND owner);

// Writes the bytes of the program's RCDATA resource `resourceName` to
// `fileName`. False (and nothing written) when the resource is missing or
// holds a single byte. A file that cannot be created is run-time error 75,
// one that cannot be written whole error 61 (and is removed again); the
// error's message names the file and the system's reason.
bool SaveResToFile(const std::wstring& resourceName, const std::wstring& fileName, HMODULE module = nullptr);

// Opens the shell's Properties sheet of the file (modeless); 0 when it
// opened, -1 otherwise.
int ShowFileProperties(const std::wstring& path, HWND owner);

} // namespace Common
