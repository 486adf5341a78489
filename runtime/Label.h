#pragma once
// A Unicode label: static text, optionally centred or right-aligned.
#include "runtime/Control.h"

namespace Runtime {

class Label : public Control {
public:
    Label(Form* form, Control* container, std::wstring name, int index = -1);
    std::wstring TypeName() const override { return L"Label"; }

    // Creates the window; call once the place is known.
    void Create(int left, int top, int width, int height, const std::wstring& caption = L"");

    const std::wstring& Caption() const noexcept { return caption_; }
    void SetCaption(const std::wstring& caption);

    enum Align { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };
    void SetAlignment(int alignment);
    // A transparent label shows its container's background.
    void SetTransparent(bool transparent);

protected:
    bool OnReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    std::wstring caption_;
    int alignment_ = AlignLeft;
    bool transparent_ = false;
};

} // namespace Runtime
