#include "runtime/PropertyBag.h"

#include "runtime/RuntimeError.h"

namespace Runtime {

void ReadBagValue(IPropertyBag* bag, const wchar_t* name, Variant& value)
{
    if (FAILED(bag->Read(name, value.Put(), nullptr))) value.Put();
}

namespace {

// The bag's value under `name` converted to `type` (Empty converts to the
// type's zero); false when it does not convert. Arrays are no single value
// (the system would turn a byte array into text).
bool ReadConverted(IPropertyBag* bag, const wchar_t* name, VARTYPE type, Variant& value)
{
    ReadBagValue(bag, name, value);
    return !(value.Type() & VT_ARRAY) && value.ChangeType(type);
}

} // namespace

std::optional<std::wstring> ReadBagText(IPropertyBag* bag, const wchar_t* name)
{
    Variant value;
    if (!ReadConverted(bag, name, VT_BSTR, value)) return std::nullopt;
    return BstrText(V_BSTR(value.Get()));
}

std::optional<long> ReadBagLong(IPropertyBag* bag, const wchar_t* name)
{
    Variant value;
    if (!ReadConverted(bag, name, VT_I4, value)) return std::nullopt;
    return V_I4(value.Get());
}

std::optional<bool> ReadBagBool(IPropertyBag* bag, const wchar_t* name)
{
    Variant value;
    if (!ReadConverted(bag, name, VT_BOOL, value)) return std::nullopt;
    return V_BOOL(value.Get()) != VARIANT_FALSE;
}

void BagWriter::Value(const wchar_t* name, VARIANT* value)
{
    if (FAILED(bag_->Write(name, value))) allStored_ = false;
}

void BagWriter::RaiseIfRefused() const
{
    if (!allStored_) Raise(ErrInvalidCall);
}

void BagWriter::Text(const wchar_t* name, const std::wstring& text)
{
    Variant value;
    V_VT(value.Get()) = VT_BSTR;
    V_BSTR(value.Get()) = AllocBstr(text);
    Value(name, value.Get());
}

void BagWriter::Long(const wchar_t* name, long number)
{
    Variant value;
    V_VT(value.Get()) = VT_I4;
    V_I4(value.Get()) = number;
    Value(name, value.Get());
}

void BagWriter::Bool(const wchar_t* name, bool flag)
{
    Variant value;
    V_VT(value.Get()) = VT_BOOL;
    V_BOOL(value.Get()) = flag ? VARIANT_TRUE : VARIANT_FALSE;
    Value(name, value.Get());
}

} // namespace Runtime
