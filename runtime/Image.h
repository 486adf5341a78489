#pragma once
// An image control: shows a picture (icon or bitmap) on its container's
// background. Without Stretch the control takes the picture's size; with
// Stretch the picture fills the control.
#include "runtime/ClickableControl.h"
#include "runtime/Picture.h"

namespace Runtime {

class Image : public ClickableControl {
public:
    Image(Form* form, Control* container, std::wstring name, int index = -1);
    std::wstring TypeName() const override { return L"Image"; }
    void Create(int left, int top, int width, int height);

    const Runtime::Picture& Picture() const noexcept { return picture_; }
    void SetPicture(const Runtime::Picture& picture);
    bool Stretch() const noexcept { return stretch_; }
    void SetStretch(bool stretch);

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void FitToPicture();
    OleColor ContainerBackColor() const;

    Runtime::Picture picture_;
    bool stretch_ = false;
};

} // namespace Runtime
