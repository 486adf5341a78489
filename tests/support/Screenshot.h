#pragma once
// Screenshots of real windows for a person to look at after a test run.
#include <windows.h>
#include <string>

namespace TestSupport {

// The folder under the build tree where test runs leave their screenshots.
std::string ScreenshotFolder();

// Captures the window (frame included) as it is on the screen and writes it
// as a PNG file named `name`.png into ScreenshotFolder(); returns the full
// Windows path written, or empty on failure.
std::string SaveWindowScreenshot(HWND wnd, const std::string& name);

} // namespace TestSupport
