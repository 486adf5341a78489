#pragma once
// The Object property page: a combo box of the windows on the control's
// form that it can hook ("(None)", "Me" for the form, then its controls;
// one hooked by another Latchet is marked "[guided by ...]" and cannot be
// chosen), and a warning label. Apply sets the control's HookedObject to the
// name chosen and closes the property sheet.
#include <string>

#include "runtime/PropertyPage.h"

class ObjectPropertyPage final : public Runtime::PropertyPage {
public:
    HWND cbControl() const noexcept { return cbControl_; }
    HWND ltWarning() const noexcept { return ltWarning_; }

private:
    friend class Runtime::PropertyPage;
    ObjectPropertyPage() : PropertyPage(L"Object") {}

    void CreateContent(HWND page) override;
    void Layout(int width, int height) override;
    void Load(IDispatch* control) override;
    HRESULT Save(IDispatch* control) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    const wchar_t* Source() const override { return L"Object"; }

    // Adds `candidate` to the combo box unless it has no window or is the
    // edited control itself.
    void AddCandidate(IDispatch* control, IDispatch* candidate, bool isForm);
    void cbControl_Click();
    void SelectNone();
    std::wstring ComboText() const;

    HWND cbControl_ = nullptr;
    HWND ltWarning_ = nullptr;
    std::wstring property_ = L"HookedObject"; // the property the page edits
    std::wstring instanceName_;               // the edited control's name
    bool contained_ = false;                  // placed in a user control, page or document
    int width_ = 0, height_ = 0;
};
