#pragma once
// LinkBox: a text label that works as a hyperlink. A click opens its target
// with the shell; while the pointer is over it (or it has the focus) its
// text is underlined. Its own window holds the label tlCaption and takes
// the focus and keys; the label's mouse events and click are raised again
// as the LinkBox's own.
#include <optional>

#include "runtime/Label.h"
#include "runtime/Timer.h"

struct IPropertyBag;

class LinkBox : public Runtime::Control {
public:
    LinkBox(Runtime::Form* form, Runtime::Control* container, std::wstring name, int index = -1);
    std::wstring TypeName() const override { return L"LinkBox"; }
    void Create(int left, int top, int width, int height);

    // 0 left, 1 right, 2 centre.
    int Alignment() const noexcept { return alignment_; }
    void SetAlignment(int alignment);
    // On: the control takes the size of its text; off: the text fills the control.
    bool AutoSize() const noexcept { return autoSize_; }
    void SetAutoSize(bool autoSize);
    const std::wstring& Caption() const noexcept { return tlCaption.Caption(); }
    void SetCaption(const std::wstring& caption);
    // True: a click opens the Caption itself instead of Path.
    bool CaptionIsPath() const noexcept { return captionIsPath_; }
    void SetCaptionIsPath(bool captionIsPath);
    bool HotTracking() const;
    void SetHotTracking(bool hotTracking);
    const std::wstring& Path() const noexcept { return tlCaption.Tag; }
    void SetPath(const std::wstring& path);

    void SetEnabled(bool enabled) override;
    void SetFont(const Runtime::FontSpec& font) override;
    void SetForeColor(Runtime::OleColor color) override;
    void SetBackColor(Runtime::OleColor color) override;
    void SetVisible(bool visible) override;
    void Move(int left, int top, int width, int height) override;

    // The control's device context (its window's own).
    HDC hDC() const noexcept { return dc_; }
    // " 1.05" or, with a revision, " 1.05.0023".
    static std::wstring Version();
    static void AboutBox();
    // The label's tool tip: `text`, or without one the control's own (the
    // one its form gave it).
    void SetToolTipText(std::optional<std::wstring> text = std::nullopt);
    int TextHeight(const std::wstring& text) const;
    int TextWidth(const std::wstring& text) const;

    // The persisted properties, all ten written; reading tolerates missing keys.
    void ReadProperties(IPropertyBag* bag);
    void WriteProperties(IPropertyBag* bag) const;

    // Told the name of each property that a write changed.
    std::function<void(const std::wstring&)> PropertyChanged;

    Runtime::Label tlCaption;
    Runtime::TimerControl toHotTracking;

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void tlCaption_Click();
    void tlCaption_MouseMove(const Runtime::MouseArgs& args);
    void toHotTracking_Timer();
    void SetUnderline(bool underline);
    // The label takes the help id and tool tip the form gave the control.
    void TakeOverHelp();
    void Relayout();
    // The extent of a text in a font, as the label draws it.
    SIZE Extent(HFONT font, const std::wstring& text) const;
    void Changed(const wchar_t* name);

    int alignment_ = 0;
    bool autoSize_ = false;
    bool captionIsPath_ = true;
    HDC dc_ = nullptr;
};
