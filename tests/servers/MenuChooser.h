#pragma once
// Drives the popup menu that this thread shows next, from a timer that runs
// inside the menu's own loop: types an access key into it, or closes it.
#include <windows.h>

namespace TestSupport {

class MenuChooser {
public:
    // `key` 0 closes the menu without a choice; a key that leaves the menu
    // up (a disabled item's) closes it on the next tick.
    explicit MenuChooser(wchar_t key);
    ~MenuChooser();
    MenuChooser(const MenuChooser&) = delete;
    MenuChooser& operator=(const MenuChooser&) = delete;

    // Whether a menu of this thread was up while the chooser lived.
    bool Seen() const;

private:
    UINT_PTR timer_;
};

} // namespace TestSupport
