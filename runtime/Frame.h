#pragma once
// A frame: a group box with a caption that holds other controls. Controls
// created with the frame as container are child windows of it, and option
// buttons in it form a group of their own.
#include "runtime/ClickableControl.h"

namespace Runtime {

class Frame : public ClickableControl {
public:
    Frame(Form* form, Control* container, std::wstring name, int index = -1);
    std::wstring TypeName() const override { return L"Frame"; }
    void Create(int left, int top, int width, int height, const std::wstring& caption);

    std::wstring Caption() const;
    void SetCaption(const std::wstring& caption);

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

} // namespace Runtime
