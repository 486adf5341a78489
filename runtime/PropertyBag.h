#pragma once
// Reading and writing a control's persisted properties in the host's
// property bag, one key at a time.
#include <windows.h>
#include <ocidl.h>

#include <optional>
#include <string>

#include "runtime/ComVariant.h"

namespace Runtime {

// The value stored under `name`; Empty when the bag has no such key or
// cannot give it (errors are ignored key by key).
void ReadBagValue(IPropertyBag* bag, const wchar_t* name, Variant& value);

// The value converted to text, a 32-bit number or a flag. A missing key
// reads as Empty: "", 0 or False. A value that does not convert gives
// nothing, and the caller leaves its property as it was.
std::optional<std::wstring> ReadBagText(IPropertyBag* bag, const wchar_t* name);
std::optional<long> ReadBagLong(IPropertyBag* bag, const wchar_t* name);
std::optional<bool> ReadBagBool(IPropertyBag* bag, const wchar_t* name);

// Stores values in the bag key by key. A key the bag refuses does not stop
// the keys after it; `RaiseIfRefused` then reports a refusal as run-time
// error 5, after everything the bag takes is saved.
class BagWriter {
public:
    explicit BagWriter(IPropertyBag* bag) : bag_(bag) {}

    void Text(const wchar_t* name, const std::wstring& value);
    void Long(const wchar_t* name, long value);
    void Bool(const wchar_t* name, bool value);
    void Value(const wchar_t* name, VARIANT* value);

    void RaiseIfRefused() const;

private:
    IPropertyBag* bag_;
    bool allStored_ = true;
};

} // namespace Runtime
