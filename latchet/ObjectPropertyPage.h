#pragma once
// The Object property page: a combo box of the windows on the control's
// form that it can hook ("(None)", "Me" for the form, then its controls;
// one hooked by another Latchet is marked "[guided by ...]" and cannot be
// chosen), and a warning label. Apply sets the control's HookedObject to the
// name chosen and closes the property sheet. Keys in the combo box clear,
// copy or find its entry.
#include <string>

#include "runtime/PropertyPage.h"

class ObjectPropertyPage final : public Runtime::PropertyPage {
public:
    ~ObjectPropertyPage() override;
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
    void FocusProperty() override;
    const wchar_t* Source() const override { return L"Object"; }

    // Adds `candidate` to the combo box unless it has no window or is the
    // edited control itself.
    void AddCandidate(IDispatch* control, IDispatch* candidate, bool isForm);
    void cbControl_Click();
    void cbControl_KeyUp(int keyCode, int shift);
    // Makes entry `index` current, as the user's choice of it.
    void Choose(int index);
    void SelectNone() { Choose(0); }
    // The first entry equal to `text`, letter case ignored; -1 when none.
    int FindEntry(const std::wstring& text) const;
    std::wstring ComboText() const;
    // Lets go of the combo box's edit window.
    void ReleaseEdit();
    static LRESULT CALLBACK EditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR page);

    HWND cbControl_ = nullptr;
    HWND ltWarning_ = nullptr;
    HWND edit_ = nullptr; // the combo box's edit part, whose keys the page answers
    std::wstring property_ = L"HookedObject"; // the property the page edits
    std::wstring instanceName_;               // the edited control's name
    bool contained_ = false;                  // placed in a user control, page or document
    int width_ = 0, height_ = 0;
};
