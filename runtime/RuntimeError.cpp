#include "runtime/RuntimeError.h"

namespace Runtime {

std::string ErrorMessage(int number)
{
    switch (number) {
    case ErrInvalidCall: return "Invalid procedure call or argument";
    case ErrOverflow: return "Overflow";
    case ErrSubscript: return "Subscript out of range";
    case ErrTypeMismatch: return "Type mismatch";
    case ErrInvalidProperty: return "Invalid property value";
    case ErrInvalidArrayIndex: return "Invalid property array index";
    case ErrTextReadOnly: return "'Text' property is read-only";
    case ErrInvalidClipboardFormat: return "Invalid Clipboard format";
    case ErrCantEmptyClipboard: return "Can't empty Clipboard";
    case ErrCantOpenClipboard: return "Can't open Clipboard";
    default: return "Application-defined or object-defined error";
    }
}

} // namespace Runtime
