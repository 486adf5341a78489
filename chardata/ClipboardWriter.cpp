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

// The system opened the clipboard but did not carry out the write.
bool IsRefusedWrite(int number)
{
    return number == Runtime::ErrCantEmptyClipboard || number == Runtime::ErrInvalidClipboardFormat;
}

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
                // Other errors end the write. A clipboard that was opened
                // but not emptied or not written is told as a busy one is;
                // running out of memory (a huge copy) has its own message.
                if (IsRefusedWrite(e.Number())) Tell(wait, kClipboardBusyMessage);
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

ClipboardResult SetClipboardPicture(Runtime::Picture picture, const ClipboardWait& wait)
{
    // `picture` holds the bitmap until the write ends: its wait processes
    // messages, and a handler run meanwhile may give the box whose picture
    // this is another one (a second picture copy redraws it).
    return Write([&] { Runtime::Clipboard::SetData(picture.BitmapHandle()); }, wait);
}

} // namespace CharData
