#pragma once
// Run-time errors: a C++ exception carrying the classic error number and its
// message. Raised by helpers and controls, caught before any window
// procedure, timer callback or COM boundary.
#include <stdexcept>
#include <string>

namespace Runtime {

enum ErrorNumber : int {
    ErrInvalidCall = 5,        // "Invalid procedure call or argument"
    ErrOverflow = 6,           // "Overflow"
    ErrSubscript = 9,          // "Subscript out of range"
    ErrTypeMismatch = 13,      // "Type mismatch"
    ErrInvalidProperty = 380,  // "Invalid property value"
    ErrInvalidArrayIndex = 381, // "Invalid property array index"
    ErrTextReadOnly = 383,     // "'Text' property is read-only"
    ErrInvalidClipboardFormat = 460, // "Invalid Clipboard format"
    ErrCantEmptyClipboard = 520, // "Can't empty Clipboard"
    ErrCantOpenClipboard = 521 // "Can't open Clipboard"
};

// The standard message of an error number ("Application-defined or
// object-defined error" for numbers without one).
std::string ErrorMessage(int number);

class Error : public std::runtime_error {
public:
    explicit Error(int number) : std::runtime_error(ErrorMessage(number)), number_(number) {}
    Error(int number, const std::string& message) : std::runtime_error(message), number_(number) {}
    int Number() const noexcept { return number_; }

private:
    int number_;
};

[[noreturn]] inline void Raise(int number) { throw Error(number); }

} // namespace Runtime
