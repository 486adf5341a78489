#pragma once
// Questions about an object that the control reaches only through its
// IDispatch (a host's form or control): its members read by name, late
// bound. None of them fails: an object without the member gives "no".
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

#include "runtime/ComVariant.h"
#include "runtime/ScopedWin.h"

namespace Common {

// Reads the property `name` of `object` (with `args` as its arguments, in
// parameter order) into `value`; false when the object has no such member
// or the read fails.
bool ReadMember(IDispatch* object, const wchar_t* name, Runtime::Variant& value, std::vector<VARIANT> args = {});

// The object's text member `name`; empty when it has none.
std::wstring MemberText(IDispatch* object, const wchar_t* name);
// The object's object member `name`; empty when it has none.
Runtime::ComPtr<IDispatch> MemberObject(IDispatch* object, const wchar_t* name);

// The window handle the object's hWnd reads; null when it has none.
HWND ObjectHwnd(IDispatch* object);

// True when the object has a Controls collection whose Count can be read.
bool HasControls(IDispatch* object);
// True when the object is a member of a control array: its Index reads
// 0 or more.
bool IsArrayMember(IDispatch* object);
// The control of `container` named `name` (letter case ignored); "name(2)"
// names the member with Index 2 of the control array "name". Empty when
// there is none.
Runtime::ComPtr<IDispatch> FindControl(IDispatch* container, const std::wstring& name);

// True when both are the same COM object.
bool SameObject(IUnknown* a, IUnknown* b);

} // namespace Common
