#pragma once
// The text of the name file or the entity file for one run. A file missing
// beside the program is first written from the program's resource; when it
// cannot be written (a folder the user may not write to), the resource's
// own bytes are read instead, for this run, as the file would have been.
#include <optional>
#include <string>

#include "runtime/RuntimeError.h"

namespace CharData {

struct NameFileText {
    // Nothing when there is neither a readable file nor the resource.
    std::optional<std::wstring> Text;
    // Why the missing file could not be written; nothing when it was not
    // missing or was written.
    std::optional<Runtime::Error> WriteError;
};

// The file at `path` (written from RCDATA resource `resourceName` when it
// is missing; never rewritten), or that resource when it cannot be written.
NameFileText ReadNameFile(const std::wstring& resourceName, const std::wstring& path);

} // namespace CharData
