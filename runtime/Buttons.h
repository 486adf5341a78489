#pragma once
// The three button kinds: command button, check box and option button.
// Setting a check box's or option button's value in code raises Click just
// as the user's click does, once per change.
#include "runtime/Control.h"

namespace Runtime {

class CommandButton : public Control {
public:
    CommandButton(Form* form, Control* container, std::wstring name, int index = -1);
    std::wstring TypeName() const override { return L"CommandButton"; }
    void Create(int left, int top, int width, int height, const std::wstring& caption);

    std::wstring Caption() const;
    void SetCaption(const std::wstring& caption);
    // Clicks the button in code (raises Click).
    void SetValue(bool value);

protected:
    bool OnReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

class CheckBox : public Control {
public:
    CheckBox(Form* form, Control* container, std::wstring name, int index = -1);
    std::wstring TypeName() const override { return L"CheckBox"; }
    void Create(int left, int top, int width, int height, const std::wstring& caption);

    std::wstring Caption() const;
    void SetCaption(const std::wstring& caption);
    // 0 unchecked, 1 checked, 2 grayed.
    int Value() const noexcept { return value_; }
    void SetValue(int value);

protected:
    bool OnReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    int value_ = 0;
};

class OptionButton : public Control {
public:
    OptionButton(Form* form, Control* container, std::wstring name, int index = -1);
    std::wstring TypeName() const override { return L"OptionButton"; }
    void Create(int left, int top, int width, int height, const std::wstring& caption);

    std::wstring Caption() const;
    void SetCaption(const std::wstring& caption);
    bool Value() const noexcept { return value_; }
    // Setting true clears the other option buttons of the same container and
    // raises Click; setting an option that is already on does nothing.
    void SetValue(bool value);

protected:
    bool OnReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void ShowValue();
    bool value_ = false;
};

} // namespace Runtime
