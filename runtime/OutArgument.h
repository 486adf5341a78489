#pragma once
// Writing a result back through an [in, out] VARIANT argument, in every form
// a host passes one: a late-bound host passes a reference to a Variant, an
// early-bound one a typed reference to its own variable (a String, a Double,
// a Long ...), and a host with nothing to receive the value passes it by value.
#include <windows.h>
#include <oaidl.h>

namespace Runtime {

// Writes `value` to the variable behind `argument`: a referenced Variant
// takes it as it is, a typed reference takes it converted to its type (the
// old value freed), a Variant passed by value is replaced. False, and the
// variable left as it was, when the value does not fit the reference's type
// (a number too big for an Integer, text that is no number) or the argument
// refers to nothing.
bool WriteOut(VARIANT* argument, const VARIANT& value);

} // namespace Runtime
