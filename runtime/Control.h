#pragma once
// The base of every control: identity (Name, Index, Tag, type name), place
// and size in pixels within its container, font, colours, tool tip, help
// id, and the events every windowed control raises. A control owns its
// window; the window knows its control through a window property, so
// notifications sent to a parent are handed back to the child control.
#include <windows.h>

#include <functional>
#include <string>

#include "runtime/Color.h"
#include "runtime/Font.h"
#include "runtime/RuntimeError.h"
#include "runtime/ScopedWin.h"

namespace Runtime {

class Form;

// Mouse button bits and shift-state bits, as events report them.
enum : int { ButtonLeft = 1, ButtonRight = 2, ButtonMiddle = 4 };
enum : int { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };

struct MouseArgs {
    int Button = 0; // the button that changed (down/up) or the buttons held (move)
    int Shift = 0;
    int X = 0;      // pixels, in the control's client area
    int Y = 0;
};

// The shift-state bits of the keyboard right now.
int CurrentShiftState();

// The mouse event arguments of a mouse message: `button` is the button that
// changed, or 0 for a move (then the buttons held are reported).
MouseArgs MouseArgsFrom(WPARAM wParam, LPARAM lParam, int button);

// The whole text of a window (empty for none).
std::wstring WindowText(HWND wnd);

class Control {
public:
    Control(Form* form, Control* container, std::wstring name, int index);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // The control's kind as helpers recognise it ("TextBox", "ListView", ...).
    virtual std::wstring TypeName() const = 0;

    const std::wstring& Name() const noexcept { return name_; }
    int Index() const noexcept { return index_; }       // -1 when not in a control array
    bool IsArrayMember() const noexcept { return index_ >= 0; }
    Form* ParentForm() const noexcept { return form_; }
    Control* Container() const noexcept { return container_; }

    std::wstring Tag;
    long WhatsThisHelpID = 0;

    // The control's window; null for kinds without one (timer, image list).
    HWND hWnd() const noexcept { return hwnd_; }
    // The window that children of this control are created in.
    virtual HWND ClientWindow() const noexcept { return hwnd_; }

    bool Enabled() const noexcept { return enabled_; }
    virtual void SetEnabled(bool enabled);
    bool Visible() const noexcept { return visible_; }
    virtual void SetVisible(bool visible);

    // Place and size in pixels, relative to the container's client area.
    int Left() const noexcept { return left_; }
    int Top() const noexcept { return top_; }
    int Width() const noexcept { return width_; }
    int Height() const noexcept { return height_; }
    virtual void Move(int left, int top, int width, int height);
    void SetLeft(int v) { Move(v, top_, width_, height_); }
    void SetTop(int v) { Move(left_, v, width_, height_); }
    void SetWidth(int v) { Move(left_, top_, v, height_); }
    void SetHeight(int v) { Move(left_, top_, width_, v); }

    const FontSpec& Font() const noexcept { return font_; }
    virtual void SetFont(const FontSpec& font);
    HFONT FontHandle() const noexcept { return fontHandle_.Get(); }

    OleColor ForeColor() const noexcept { return foreColor_; }
    OleColor BackColor() const noexcept { return backColor_; }
    virtual void SetForeColor(OleColor color);
    virtual void SetBackColor(OleColor color);

    const std::wstring& ToolTipText() const noexcept { return toolTip_; }
    void SetToolTipText(const std::wstring& text);

    // The cursor shown over the control: 0 default, 99 custom (MouseIcon),
    // other values the system cursors (11 hourglass, 13 arrow+hourglass, ...;
    // runtime/MousePointer.h). A change shows at once under the mouse.
    // Over a form, the form's pointer shows where no control sets its own.
    int MousePointer() const noexcept { return mousePointer_; }
    void SetMousePointer(int pointer);
    HCURSOR MouseIcon() const noexcept { return mouseIcon_; }
    void SetMouseIcon(HCURSOR cursor);

    void SetFocus();
    bool HasFocus() const;

    // Events every windowed control raises (kinds add their own).
    std::function<void()> Click, DblClick, GotFocus, LostFocus;
    std::function<void(const MouseArgs&)> MouseDown, MouseUp, MouseMove;
    std::function<void(int& keyCode, int shift)> KeyDown, KeyUp;
    std::function<void(int& keyAscii)> KeyPress;

    // The control whose window this is, or null.
    static Control* FromHwnd(HWND wnd);

protected:
    // Creates the control's window as a child of the container (or form)
    // window, subclassed so that its messages reach OnMessage.
    void CreateControlWindow(const wchar_t* className, DWORD style, DWORD exStyle, const std::wstring& text,
                             int left, int top, int width, int height);
    // Attaches an already created window (kinds that create their own).
    void AttachWindow(HWND wnd);
    // Destroys the window early (kinds that recreate theirs).
    void DestroyControlWindow();

    // A message to the control's own window. Return true with `result` set to
    // answer it; false lets the window's own procedure run.
    virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // A notification that this control's parent window received from it
    // (WM_COMMAND, WM_NOTIFY, WM_HSCROLL/WM_VSCROLL, WM_DRAWITEM,
    // WM_MEASUREITEM, WM_CTLCOLOR*). Return true with `result` to answer it.
    virtual bool OnReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The brush painting the back colour (for WM_CTLCOLOR* answers).
    HBRUSH BackBrush();

    // Whether the form's window is shown. While it is hidden nothing needs
    // repainting: showing the form paints all of it.
    bool FormShown() const;
    // Marks the whole window for repainting (with its background erased
    // first), unless the form is hidden: each invalidation costs Wine a
    // round trip to its server, and a start-up makes hundreds of them.
    void Invalidate(bool erase = true);

    // Runs an event handler; a run-time error in it is reported, never thrown on.
    template <typename F, typename... A>
    void Fire(const F& handler, A&&... args)
    {
        if (handler) Guard([&] { handler(std::forward<A>(args)...); });
    }
    static void Guard(const std::function<void()>& body);

    // The mouse, key, focus and cursor handling every control gets for its
    // own window (a changed KeyPress character goes on to that window).
    bool HandleCommonMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The window's own procedure, for a message the control passes on
    // (changed) or answers after it.
    LRESULT CallDefault(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    // The procedure of every control's window: the control's handling,
    // then the window's own procedure.
    static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

    Form* form_;
    Control* container_;
    std::wstring name_;
    int index_;
    HWND hwnd_ = nullptr;
    UINT id_ = 0; // child-window id, given at the first window creation
    bool enabled_ = true;
    bool visible_ = true;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    FontSpec font_;
    ScopedFont fontHandle_;
    OleColor foreColor_ = ColorButtonText;
    OleColor backColor_ = ColorButtonFace;
    ScopedBrush backBrush_;
    uint32_t backBrushColor_ = 0xFFFFFFFFu;
    std::wstring toolTip_;
    int mousePointer_ = 0;
    HCURSOR mouseIcon_ = nullptr;

    friend class Form;
    friend bool ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
};

// Hands a notification that a window received from one of its child windows
// back to that child's control. Forms and container controls call it.
bool ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

} // namespace Runtime
