#pragma once
// Owners of the COM automation values: a BSTR that frees itself and a
// VARIANT that clears itself.
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>

namespace Runtime {

class Bstr {
public:
    Bstr() noexcept = default;
    explicit Bstr(const std::wstring& text) : s_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~Bstr() { SysFreeString(s_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR Get() const noexcept { return s_; }
    BSTR* Put() noexcept { SysFreeString(std::exchange(s_, nullptr)); return &s_; }
    BSTR Detach() noexcept { return std::exchange(s_, nullptr); }
    std::wstring Text() const { return s_ ? std::wstring(s_, SysStringLen(s_)) : std::wstring(); }
private:
    BSTR s_ = nullptr;
};

// The text of a BSTR (a null BSTR is the empty text).
inline std::wstring BstrText(BSTR s) { return s ? std::wstring(s, SysStringLen(s)) : std::wstring(); }

// A new BSTR holding `text`, for an out parameter that the caller frees.
inline BSTR AllocBstr(const std::wstring& text)
{
    return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

// Hands `text` out through a BSTR out parameter that the caller frees.
inline HRESULT OutText(const std::wstring& text, BSTR* value)
{
    if (!value) return E_POINTER;
    *value = AllocBstr(text);
    return *value ? S_OK : E_OUTOFMEMORY;
}

// Hands `flag` out through a VARIANT_BOOL out parameter.
inline HRESULT OutFlag(bool flag, VARIANT_BOOL* value)
{
    if (!value) return E_POINTER;
    *value = flag ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

class Variant {
public:
    Variant() noexcept { VariantInit(&v_); }
    ~Variant() { VariantClear(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    VARIANT* Get() noexcept { return &v_; }
    const VARIANT* Get() const noexcept { return &v_; }
    VARIANT* Put() noexcept { VariantClear(&v_); return &v_; }
    VARTYPE Type() const noexcept { return V_VT(&v_); }
    // The value converted to `type` in place; false when it cannot be.
    bool ChangeType(VARTYPE type) noexcept { return SUCCEEDED(VariantChangeType(&v_, &v_, 0, type)); }
private:
    VARIANT v_;
};

} // namespace Runtime
