#include "runtime/OutArgument.h"

#include <cstring>

#include "runtime/ComVariant.h"

namespace Runtime {

namespace {

// The bytes a typed reference's variable has; 0 for the kinds not written.
std::size_t ValueSize(VARTYPE type)
{
    switch (type) {
    case VT_I1:
    case VT_UI1:
        return 1;
    case VT_I2:
    case VT_UI2:
    case VT_BOOL:
        return 2;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_R4:
        return 4;
    case VT_R8:
    case VT_CY:
    case VT_DATE:
    case VT_I8:
    case VT_UI8:
        return 8;
    default:
        return 0;
    }
}

bool WriteTyped(VARIANT* argument, const VARIANT& value)
{
    VARTYPE type = V_VT(argument) & ~VT_BYREF;
    if ((V_VT(argument) & VT_ARRAY) || !V_BYREF(argument)) return false;
    Variant converted;
    if (FAILED(VariantChangeType(converted.Get(), const_cast<VARIANT*>(&value), 0, type))) return false;
    if (type == VT_BSTR) {
        SysFreeString(*V_BSTRREF(argument));
        *V_BSTRREF(argument) = V_BSTR(converted.Get());
        V_VT(converted.Get()) = VT_EMPTY; // the variable owns the string now
        return true;
    }
    if (type == VT_DECIMAL) {
        DECIMAL number = V_DECIMAL(converted.Get());
        number.wReserved = 0;
        *V_DECIMALREF(argument) = number;
        return true;
    }
    std::size_t size = ValueSize(type);
    if (size == 0) return false;
    // Every value kind of a VARIANT starts at the same place of its union.
    std::memcpy(V_BYREF(argument), &V_UI1(converted.Get()), size);
    return true;
}

} // namespace

bool WriteOut(VARIANT* argument, const VARIANT& value)
{
    // A reference to a Variant that itself refers on: follow a few steps,
    // never round in a circle.
    for (int depth = 0; argument && depth < 4; ++depth) {
        if (V_VT(argument) != (VT_BYREF | VT_VARIANT)) {
            if (V_VT(argument) & VT_BYREF) return WriteTyped(argument, value);
            return SUCCEEDED(VariantCopy(argument, const_cast<VARIANT*>(&value)));
        }
        VARIANT* target = V_VARIANTREF(argument);
        if (!target || target == argument) return false;
        if (!(V_VT(target) & VT_BYREF)) return SUCCEEDED(VariantCopy(target, const_cast<VARIANT*>(&value)));
        argument = target;
    }
    return false;
}

} // namespace Runtime
