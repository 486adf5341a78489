#pragma once
// Text dropped on an edit window (a text box, or the edit part of a combo
// box). The system's edit control takes no drops; this drop target takes
// Unicode or ANSI text and puts it where it is dropped, as a paste puts it
// at the caret: the window reports the change as usual. A single-line box
// takes the first line. The source always keeps its text (a copy, never a
// move). A disabled or read-only window takes nothing.
#include <windows.h>
#include <ole2.h>

#include <functional>

#include "runtime/ScopedWin.h"

namespace Runtime {

class TextDrop {
public:
    TextDrop() = default;
    ~TextDrop();
    TextDrop(const TextDrop&) = delete;
    TextDrop& operator=(const TextDrop&) = delete;

    // Registers the edit window as a drop target (once; the registration
    // ends with Detach or with the window). False when the system refuses.
    bool Attach(HWND edit);
    void Detach();

    // The registered target (null when not attached).
    IDropTarget* Target() const noexcept { return target_.Get(); }

    // Runs just before dropped text goes into the window.
    std::function<void()> BeforeDrop;

private:
    class DropTarget;
    static LRESULT CALLBACK WatchProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR refData);

    HWND edit_ = nullptr;
    bool oleStarted_ = false;
    ComPtr<IDropTarget> target_;
};

} // namespace Runtime
