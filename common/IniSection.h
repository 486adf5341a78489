#pragma once
// Whole sections of an INI file: read into a list, an array or a text, and
// written from one. A section is always written in full: its old entries are
// replaced by exactly the new ones.
#include <optional>
#include <string>
#include <vector>

namespace Runtime {
class IList;
}

namespace Common {

// Reads the values of the section (the text after each entry's first "=")
// into a list control: the list is cleared and each non-empty value added;
// with a separator the value is split into the item text (before it) and the
// item data (the number after it; 0 when none). Returns the item texts joined
// by CR LF. A missing file gives an empty text and leaves the list alone.
std::wstring IniReadSection(const std::wstring& file, const std::wstring& section, Runtime::IList& target,
                            const std::optional<std::wstring>& separator = std::nullopt);

// Reads the values into an array (element 0 first). Returns them joined by
// the separator (CR LF when none).
std::wstring IniReadSection(const std::wstring& file, const std::wstring& section, std::vector<std::wstring>& target,
                            const std::optional<std::wstring>& separator = std::nullopt);

// Reads the values and returns them joined by the separator (CR LF when none).
std::wstring IniReadSection(const std::wstring& file, const std::wstring& section,
                            const std::optional<std::wstring>& separator = std::nullopt);

// Writes a list's items as "0=...", "1=...", with the separator and the
// item data appended to each when a separator is given.
void IniWriteSection(const std::wstring& file, const std::wstring& section, const Runtime::IList& source,
                     const std::optional<std::wstring>& separator = std::nullopt, bool keepTime = false);

// Writes an array's elements as "0=...", "1=...".
void IniWriteSection(const std::wstring& file, const std::wstring& section, const std::vector<std::wstring>& source,
                     bool keepTime = false);

// Writes a text split into lines by the separator (CR LF when none; the
// first empty line ends it): a line holding "=" is written as it is, any
// other gets its line number and "=" in front.
void IniWriteSectionText(const std::wstring& file, const std::wstring& section, const std::wstring& text,
                         const std::optional<std::wstring>& separator = std::nullopt, bool keepTime = false);

} // namespace Common
