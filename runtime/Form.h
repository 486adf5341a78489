#pragma once
// A form: a top-level window holding controls, with the form events Load,
// Activate, Resize, Unload and the previewed keys. A form class derives from
// Form, creates its controls in CreateControls() and overrides the events.
#include <windows.h>

#include <string>
#include <vector>

#include "runtime/Control.h"

namespace Runtime {

enum WindowState : int { StateNormal = 0, StateMinimized = 1, StateMaximized = 2 };

class Form : public Control {
public:
    explicit Form(std::wstring name);
    ~Form() override;

    // A form's type name is its own name ("fwMain").
    std::wstring TypeName() const override { return Name(); }

    // Creates the window and the controls, then raises Form_Load. The window
    // stays hidden until Show. False when the load unloaded the form again,
    // and when a control could not be made (the error is reported, the load
    // event does not run and the window goes).
    bool Load();
    bool Loaded() const noexcept { return hWnd() != nullptr; }
    void Show();
    // Shows the form modally over `owner` and returns once it is unloaded.
    void ShowModal(Form* owner);
    void Hide();
    // Raises Form_QueryUnload/Form_Unload and destroys the window unless cancelled.
    // True when the form is gone.
    bool Unload();

    // Unload modes that Form_QueryUnload is told.
    static constexpr int UnloadUser = 0;       // the close box, Alt+F4
    static constexpr int UnloadCode = 1;       // Unload()
    static constexpr int UnloadAppWindows = 2; // the Windows session ends

    std::wstring Caption() const;
    void SetCaption(const std::wstring& caption);

    int WindowState() const;
    // 0, 1 or 2; any other value is the invalid-property error.
    void SetWindowState(int state);

    // Outer window place and size in pixels (screen coordinates).
    void Move(int left, int top, int width, int height) override;
    // Size of the client area in pixels.
    int ScaleWidth() const;
    int ScaleHeight() const;

    bool KeyPreview = false;
    // A fixed-size form has no sizing border and no maximize box.
    bool FixedSize = true;

    // Text extent in pixels in the form's font.
    int TextWidth(const std::wstring& text) const;
    int TextHeight(const std::wstring& text) const;

    // The font a control takes when it is created on this form.
    const FontSpec& DefaultFont() const noexcept { return defaultFont_; }

    // Every control created on this form, in creation order.
    const std::vector<Control*>& Controls() const noexcept { return controls_; }

    // Tool tips of the form's controls.
    void SetToolTip(HWND control, const std::wstring& text);
    void RemoveToolTip(HWND control);

    // The form whose window this is (or that owns the window), or null. Only
    // the forms of this module count: a window of the same class made by
    // another module (a control's server has a runtime of its own) is not
    // one of them, whatever its user data holds.
    static Form* FromWindow(HWND wnd);

protected:
    // Creates the form's controls; runs before Form_Load.
    virtual void CreateControls() {}
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}
    virtual void Form_QueryUnload(int& /*cancel*/, int /*unloadMode*/) {}
    virtual void Form_Unload(int& /*cancel*/) {}
    virtual void Form_KeyDown(int& /*keyCode*/, int /*shift*/) {}
    virtual void Form_KeyUp(int& /*keyCode*/, int /*shift*/) {}
    virtual void Form_KeyPress(int& /*keyAscii*/) {}
    // Messages of the form's window not handled by the runtime.
    virtual bool Form_Message(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

    FontSpec defaultFont_;

private:
    static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    bool UnloadWithMode(int mode);
    // The session ends (WM_QUERYENDSESSION, WM_ENDSESSION): the form may
    // refuse the end, and when it comes the unload event runs once; the
    // system then ends the process without another message.
    LRESULT QueryEndSession();
    void EndSession(bool ending);
    void Register(Control* control);
    void Unregister(Control* control);
    // Key preview: the message loop shows every key to the form first.
    void PreviewKey(const MSG& msg);

    HWND wnd_ = nullptr;
    HWND toolTips_ = nullptr;
    std::vector<Control*> controls_;
    bool modal_ = false;
    bool unloading_ = false;
    bool unloadRaised_ = false; // Form_Unload ran for a session's end
    int pendingState_ = -1;

    friend class Control;
    friend bool PreTranslateFormKey(Form& form, MSG& msg);
};

} // namespace Runtime
