#pragma once
// The main window: the program's start-up object.
#include <windows.h>
#include <string>

class fwMain {
public:
    // Creates and shows the window; false when it could not be created.
    bool Show(int showCommand);
    HWND Handle() const noexcept { return hwnd_; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Form_Load();

    HWND hwnd_ = nullptr;
};
