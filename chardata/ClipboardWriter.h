#pragma once
// Puts the copy on the clipboard, waiting while another program holds it.
//
// Each write empties the clipboard first, so it holds only the new data.
// When another program keeps the clipboard open, the write is tried again
// every RetryMs, window messages being processed meanwhile so the user can
// go on working. The wait ends when the window closes (StillAlive), when
// the message loop is quitting, or, with a short message, after GiveUpMs.
// A write asked for while another one waits is ignored. A clipboard that
// opens but is not emptied, or does not take the data, ends the write as
// failed with the busy message. Any other error ends the write too; of
// those only running out of memory is told.
#include <windows.h>

#include <functional>
#include <string>

#include "runtime/Picture.h"

namespace CharData {

struct ClipboardWait {
    // False once the window that copies is gone: a waiting write then ends.
    std::function<bool()> StillAlive;
    // Receives a short message for the user (the status bar's "Message" panel).
    std::function<void(const std::wstring&)> Message;
    unsigned long RetryMs = 500;
    unsigned long GiveUpMs = 10000;
};

enum class ClipboardOutcome {
    Copied,   // the clipboard holds the data
    Failed,   // another error: the clipboard may be left empty (a refused write and out of memory give a message)
    GaveUp,   // another program held the clipboard for GiveUpMs
    Closed,   // the window closed (or the program is quitting) during the wait
    Ignored,  // another write was waiting already
    Refused,  // nothing was tried: the copy itself was refused by its caller
};

struct ClipboardResult {
    ClipboardOutcome Outcome = ClipboardOutcome::Failed;
    int Attempts = 0; // writes tried, the first one included
};

// The message given when the wait is given up.
inline constexpr wchar_t kClipboardBusyMessage[] = L"Clipboard busy: nothing copied";

// Bytes in a byte format of the runtime's numbering (1 text, -16639 rich
// text, a registered format), exactly as given plus a terminating zero.
ClipboardResult SetClipboardText(const std::string& bytes, long format, const ClipboardWait& wait);
// Text as Unicode text: nothing is lost to a code page.
ClipboardResult SetClipboardText(const std::wstring& text, const ClipboardWait& wait);
// A copy of the picture's bitmap. The write holds the picture itself until
// it ends, so the bitmap stays while the write waits, whatever happens to
// the control that showed it.
ClipboardResult SetClipboardPicture(Runtime::Picture picture, const ClipboardWait& wait);

} // namespace CharData
