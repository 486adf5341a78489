#pragma once
// A form's saved placement: its window state and its normal-state rectangle,
// kept in twips and stored in pixels under "Left", "Top", "Width", "Height"
// and "State" in the settings file.
#include <string>

namespace Runtime {
class Form;
}

namespace Common {

struct FormPlacement {
    int State = 0; // 0 normal, 1 minimized, 2 maximized
    int Left = 0, Top = 0, Width = 0, Height = 0; // twips
};

// Fills the record from the settings (section empty: the form's name and
// "_State") and sets the form's window state; the caller moves and sizes
// the form. A stored value the window cannot take (a state other than 0, 1,
// 2, or a pixel value whose twips do not fit 32 bits) falls back to the
// default: 0 for Left and Top, the form's current size and state.
void LoadFormPos(Runtime::Form& form, FormPlacement& placement, const std::wstring& file,
                 const std::wstring& section = L"");

// Writes the record; a form in the normal state first copies its current
// rectangle into it, so a minimized or maximized form saves its last normal one.
void SaveFormPos(Runtime::Form& form, FormPlacement& placement, const std::wstring& file,
                 const std::wstring& section = L"");

} // namespace Common
