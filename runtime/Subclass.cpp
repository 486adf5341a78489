#include "runtime/Subclass.h"

#include <unordered_map>
#include <vector>

namespace Runtime {

namespace {

struct Entry {
    SubclassProc proc;
    UINT_PTR id;
    DWORD_PTR data;
    bool removed;
};

// A window's chain: the last entry runs first. Entries taken off while a
// message runs through the chain are only marked, and dropped once no
// message is running through it.
struct Chain {
    WNDPROC original = nullptr;
    std::vector<Entry> entries;
    int running = 0;
    bool destroyed = false;
};

std::unordered_map<HWND, Chain>& Chains()
{
    static std::unordered_map<HWND, Chain> chains;
    return chains;
}

// A message running through a chain: `next` entries are still to run.
// Frames nest when a procedure sends a message to a window of a chain.
struct Frame {
    HWND wnd;
    size_t next;
    Frame* outer;
};

Frame*& CurrentFrame()
{
    static Frame* current = nullptr;
    return current;
}

LRESULT CALLBACK ChainProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

LRESULT CallNext(Frame& frame, UINT msg, WPARAM wParam, LPARAM lParam)
{
    // Elements of the map keep their place while others come and go.
    Chain& chain = Chains().at(frame.wnd);
    while (frame.next > 0) {
        const Entry entry = chain.entries[--frame.next];
        if (!entry.removed) return entry.proc(frame.wnd, msg, wParam, lParam, entry.id, entry.data);
    }
    return CallWindowProcW(chain.original, frame.wnd, msg, wParam, lParam);
}

// Drops the marked entries of a chain no message runs through, and gives
// the window its own procedure back when nothing is left on it and no other
// procedure was put over ours meanwhile.
void Tidy(HWND wnd)
{
    auto found = Chains().find(wnd);
    if (found == Chains().end() || found->second.running > 0) return;
    Chain& chain = found->second;
    if (chain.destroyed) {
        Chains().erase(found);
        return;
    }
    std::erase_if(chain.entries, [](const Entry& e) { return e.removed; });
    if (!chain.entries.empty()) return;
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd, GWLP_WNDPROC)) != &ChainProc) return;
    SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain.original));
    Chains().erase(found);
}

LRESULT CALLBACK ChainProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto found = Chains().find(wnd);
    if (found == Chains().end()) return DefWindowProcW(wnd, msg, wParam, lParam);
    Chain& chain = found->second;
    if (msg == WM_NCDESTROY) chain.destroyed = true;
    Frame frame{wnd, chain.entries.size(), CurrentFrame()};
    CurrentFrame() = &frame;
    ++chain.running;
    LRESULT result = 0;
    try {
        result = CallNext(frame, msg, wParam, lParam);
    } catch (...) {
        // Nothing crosses a window procedure.
    }
    --chain.running;
    CurrentFrame() = frame.outer;
    Tidy(wnd);
    return result;
}

} // namespace

bool AddSubclass(HWND wnd, SubclassProc proc, UINT_PTR id, DWORD_PTR data)
{
    if (!wnd || !proc || !IsWindow(wnd)) return false;
    auto found = Chains().find(wnd);
    if (found == Chains().end()) {
        Chain chain;
        chain.original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChainProc)));
        found = Chains().emplace(wnd, std::move(chain)).first;
    }
    for (Entry& e : found->second.entries) {
        if (e.proc == proc && e.id == id && !e.removed) {
            e.data = data;
            return true;
        }
    }
    found->second.entries.push_back(Entry{proc, id, data, false});
    return true;
}

void RemoveSubclass(HWND wnd, SubclassProc proc, UINT_PTR id)
{
    auto found = Chains().find(wnd);
    if (found == Chains().end()) return;
    for (Entry& e : found->second.entries)
        if (e.proc == proc && e.id == id) e.removed = true;
    Tidy(wnd);
}

LRESULT DefSubclass(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Frame* frame = CurrentFrame();
    while (frame && frame->wnd != wnd) frame = frame->outer;
    if (!frame) {
        auto found = Chains().find(wnd);
        if (found == Chains().end()) return DefWindowProcW(wnd, msg, wParam, lParam);
        return CallWindowProcW(found->second.original, wnd, msg, wParam, lParam);
    }
    // The procedure may pass a message on more than once.
    const size_t at = frame->next;
    LRESULT result = CallNext(*frame, msg, wParam, lParam);
    frame->next = at;
    return result;
}

} // namespace Runtime
