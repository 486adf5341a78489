#pragma once
// A header button of the character table (a column or row heading). It has
// no window of its own: the header strip that holds it draws it as a push
// button with its caption and hands it the presses that fall on it. Thirty
// two windowed buttons cost the start-up more than the strips' drawing.
#include <string>

#include "runtime/Control.h"

namespace Runtime {
class PictureBox;
}

class HeaderButton : public Runtime::Control {
public:
    HeaderButton(Runtime::Form* form, Runtime::PictureBox* strip, std::wstring name, int index);
    std::wstring TypeName() const override { return L"CommandButton"; }
    // Places the button in its strip; the strip draws it from now on.
    void Create(int left, int top, int width, int height, const std::wstring& caption);

    const std::wstring& Caption() const noexcept { return caption_; }
    // Redraws the button only when the caption changes.
    void SetCaption(const std::wstring& caption);

    void Move(int left, int top, int width, int height) override;
    bool Contains(int x, int y) const noexcept;
    // Draws the button on the strip's device context (its font selected).
    void Draw(HDC dc) const;
    // A press at (x, y) of the strip, handed on in the button's own terms.
    void Press(const Runtime::MouseArgs& args);

private:
    void Invalidate() const;
    Runtime::PictureBox* strip_;
    std::wstring caption_;
};
