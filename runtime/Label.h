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
    // A label that uses its mnemonic shows "&x" as an underlined access key
    // that moves the focus to the control after it; others show "&" as it
    // stands. Set before Create.
    bool UseMnemonic() const noexcept { return useMnemonic_; }
    void SetUseMnemonic(bool use) noexcept { useMnemonic_ = use; }
    // A left-aligned label wraps its words onto further lines unless told
    // not to; one that does not shows what fits on its one line. Set before
    // Create.
    void SetWordWrap(bool wrap) noexcept { wordWrap_ = wrap; }

protected:
    bool OnReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    std::wstring caption_;
    int alignment_ = AlignLeft;
    bool transparent_ = false;
    bool useMnemonic_ = false;
    bool wordWrap_ = true;
};

} // namespace Runtime
