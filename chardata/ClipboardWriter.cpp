#include "chardata/ClipboardWriter.h"

#include <new>

#include "runtime/Clipboard.h"
#include "runtime/Pump.h"
#include "runtime/RuntimeError.h"

namespace CharData {

namespace {

constexpr wchar_t kNoMemoryMessage[] = L"Not enough memory: nothing copied";
constexpr int kErrOutOfMemory = 7;

// Set while a write runs (its wait processes messages, so a second copy
// can be asked for meanwhile). The window's handlers all run on one thread.
bool writing = false;

class WritingScope {
public:
    WritingScope() { writing = true; }
    ~WritingScope() { writing = false; }
    WritingScope(const WritingScope&) = delete;
    WritingScope& operator=(const WritingScope&) = delete;
};

void Tell(const ClipboardWait& wait, const wchar_t* message)
{
    if (wait.Message) wait.Message(message);
}

// Processes window messages until `ms` have passed since `start`. False as
// soon as the window is gone or the message loop is quitting.
bool WaitProcessingMessages(DWORD start, unsigned long ms, const ClipboardWait& wait)
{
    for (;;) {
        if (wait.StillAlive && !wait.StillAlive()) return false;
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= ms) return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
        if (!Runtime::DoEvents()) return false;
    }
}

// Empties the clipboard and runs `put`, again after each wait while the
// clipboard is held by another program (error 521).
template <typename Put>
ClipboardResult Write(const Put& put, const ClipboardWait& wait)
{
    ClipboardResult result;
    if (writing) {
        result.Outcome = ClipboardOutcome::Ignored;
        return result;
    }
    WritingScope scope;
    DWORD firstFailure = 0;
    for (;;) {
        ++result.Attempts;
        try {
            Runtime::Clipboard::Clear();
            put();
            result.Outcome = ClipboardOutcome::Copied;
            return result;
        } catch (const Runtime::Error& e) {
            if (e.Number() != Runtime::ErrCantOpenClipboard) {
                // Other errors end the write silently, except running out of
                // memory (a huge copy), which the user should hear of.
                if (e.Number() == kErrOutOfMemory) Tell(wait, kNoMemoryMessage);
                result.Outcome = ClipboardOutcome::Failed;
                return result;
            }
        } catch (const std::bad_alloc&) {
            Tell(wait, kNoMemoryMessage);
            result.Outcome = ClipboardOutcome::Failed;
            return result;
        }
        DWORD failed = GetTickCount();
        if (result.Attempts == 1) firstFailure = failed;
        if (failed - firstFailure >= wait.GiveUpMs) {
            Tell(wait, kClipboardBusyMessage);
            result.Outcome = ClipboardOutcome::GaveUp;
            return result;
        }
        if (!WaitProcessingMessages(failed, wait.RetryMs, wait)) {
            result.Outcome = ClipboardOutcome::Closed;
            return result;
        }
    }
}

} // namespace

ClipboardResult SetClipboardText(const std::string& bytes, long format, const ClipboardWait& wait)
{
    return Write([&] { Runtime::Clipboard::SetText(bytes, format); }, wait);
}

ClipboardResult SetClipboardText(const std::wstring& text, const ClipboardWait& wait)
{
    return Write([&] { Runtime::Clipboard::SetText(text); }, wait);
}

ClipboardResult SetClipboardPicture(HBITMAP bitmap, const ClipboardWait& wait)
{
    return Write([&] { Runtime::Clipboard::SetData(bitmap); }, wait);
}

} // namespace CharData
