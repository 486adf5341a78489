#include "common/IniSection.h"

#include <windows.h>

#include <functional>

#include "common/Files.h"
#include "common/KeepFileState.h"
#include "common/NumUtil.h"
#include "common/TextUtil.h"
#include "common/Tokens.h"
#include "common/Val.h"
#include "runtime/Capabilities.h"
#include "runtime/RuntimeError.h"

namespace Common {

namespace {

const std::wstring_view kZero(L"\0", 1);
const wchar_t kLineBreak[] = L"\r\n";

// Walks the values of a section: the text after the first "=" of every
// entry, up to the first empty entry. False when the file does not exist.
bool WalkSection(const std::wstring& file, const std::wstring& section,
                 const std::function<void(const std::wstring&)>& each)
{
    if (!FileExists(file)) return false;
    std::vector<wchar_t> buffer(32767, L'\0');
    DWORD n = GetPrivateProfileSectionW(section.c_str(), buffer.data(), 32767, file.c_str());
    std::wstring text(buffer.data(), n + (n + 2 <= 32767 ? 2 : 0));
    for (std::wstring entry = GetLine(text, kZero); !entry.empty(); entry = GetToken(text))
        each(TextAfter(entry, L"="));
    return true;
}

void WriteEntries(const std::wstring& file, const std::wstring& section, const std::wstring& entries, bool keepTime)
{
    // Entries end with a zero each; the block ends with one more.
    std::wstring block = entries;
    block.push_back(L'\0');
    KeepFileState keep(file, keepTime);
    WritePrivateProfileSectionW(section.c_str(), block.c_str(), file.c_str());
}

void AddEntry(std::wstring& entries, size_t key, const std::wstring& value)
{
    entries += std::to_wstring(key) + L"=" + value;
    entries.push_back(L'\0');
}

std::wstring Joined(const std::vector<std::wstring>& values, const std::wstring& separator)
{
    std::wstring text;
    for (size_t i = 0; i < values.size(); ++i) text += (i ? separator : L"") + values[i];
    return text;
}

} // namespace

std::wstring IniReadSection(const std::wstring& file, const std::wstring& section, Runtime::IList& target,
                            const std::optional<std::wstring>& separator)
{
    if (!FileExists(file)) return {};
    target.Clear();
    std::vector<std::wstring> texts;
    WalkSection(file, section, [&](const std::wstring& value) {
        std::wstring item = value, data;
        if (separator) {
            item = TextBefore(value, *separator, false);
            data = TextAfter(value, *separator, 0, true);
        }
        texts.push_back(item);
        if (item.empty()) return;
        target.AddItem(item);
        // Item data is a signed 32-bit number: the data's number rounded to a
        // whole one.
        try {
            target.SetItemData(target.NewIndex(), RoundToLong(Val(data)));
        } catch (const Runtime::Error&) {
            // A list without item data, or a number no item data can hold
            // (ErrOverflow): the item stays, with its data at 0.
        }
    });
    return Joined(texts, kLineBreak);
}

std::wstring IniReadSection(const std::wstring& file, const std::wstring& section, std::vector<std::wstring>& target,
                            const std::optional<std::wstring>& separator)
{
    std::vector<std::wstring> values;
    if (!WalkSection(file, section, [&](const std::wstring& value) { values.push_back(value); })) return {};
    target = values.empty() ? std::vector<std::wstring>(1) : values;
    return Joined(values, separator.value_or(kLineBreak));
}

std::wstring IniReadSection(const std::wstring& file, const std::wstring& section,
                            const std::optional<std::wstring>& separator)
{
    std::vector<std::wstring> values;
    WalkSection(file, section, [&](const std::wstring& value) { values.push_back(value); });
    return Joined(values, separator.value_or(kLineBreak));
}

void IniWriteSection(const std::wstring& file, const std::wstring& section, const Runtime::IList& source,
                     const std::optional<std::wstring>& separator, bool keepTime)
{
    std::wstring entries;
    for (int i = 0; i < source.ListCount(); ++i) {
        std::wstring value = source.List(i);
        if (separator) value += *separator + std::to_wstring(source.ItemData(i));
        AddEntry(entries, static_cast<size_t>(i), value);
    }
    WriteEntries(file, section, entries, keepTime);
}

void IniWriteSection(const std::wstring& file, const std::wstring& section, const std::vector<std::wstring>& source,
                     bool keepTime)
{
    std::wstring entries;
    for (size_t i = 0; i < source.size(); ++i) AddEntry(entries, i, source[i]);
    WriteEntries(file, section, entries, keepTime);
}

void IniWriteSectionText(const std::wstring& file, const std::wstring& section, const std::wstring& text,
                         const std::optional<std::wstring>& separator, bool keepTime)
{
    std::wstring delimiter = separator.value_or(kLineBreak);
    std::wstring entries;
    size_t counter = 0;
    for (std::wstring line = GetLine(text, delimiter); !line.empty(); line = GetToken(text), ++counter) {
        if (line.find(L'=') != std::wstring::npos) {
            entries += line;
            entries.push_back(L'\0');
        } else {
            AddEntry(entries, counter, line);
        }
    }
    WriteEntries(file, section, entries, keepTime);
}

} // namespace Common
