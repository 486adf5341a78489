#pragma once
// A Unicode text box. Change is raised once for every change of the text,
// whether the user typed it or the program set it.
#include "runtime/Capabilities.h"
#include "runtime/Control.h"

namespace Runtime {

class TextBox : public Control, public IText {
public:
    TextBox(Form* form, Control* container, std::wstring name, int index = -1);
    std::wstring TypeName() const override { return L"TextBox"; }
    void Create(int left, int top, int width, int height, bool multiLine = false);

    std::wstring Text() const override;
    void SetText(const std::wstring& text) override;

    // Caret and selection, 0-based character positions.
    int SelStart() const override;
    void SetSelStart(int start) override;
    int SelLength() const override;
    void SetSelLength(int length) override;
    std::wstring SelText() const;
    void SetSelText(const std::wstring& text);

    // The most characters the user may enter; 0 (the default): as many as
    // the system allows.
    int MaxLength() const noexcept { return maxLength_; }
    void SetMaxLength(int length);
    bool Locked() const noexcept { return locked_; }
    void SetLocked(bool locked);

    std::function<void()> Change;

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    int maxLength_ = 0;
    bool locked_ = false;
};

} // namespace Runtime
