#pragma once
// How a run-time error that no handler caught reaches the user: a message
// box with its number and text. Tests put a reporter of their own in place.
#include <functional>
#include <string>

namespace Runtime {

using ErrorReporter = std::function<void(int number, const std::string& message)>;

void ReportRunTimeError(int number, const std::string& message);

// Replaces the reporter; returns the previous one. An empty reporter
// restores the message box.
ErrorReporter SetErrorReporter(ErrorReporter reporter);

} // namespace Runtime
