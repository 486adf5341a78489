#pragma once
// Small RAII owners for Win32 handles, GDI objects, device contexts and COM
// references. Each one releases exactly what it owns, once.
#include <windows.h>
#include <utility>

namespace Runtime {

// A kernel handle that closes itself (INVALID_HANDLE_VALUE and null are "none").
class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE h = nullptr) noexcept : h_(h) {}
    ~ScopedHandle() { Reset(); }
    ScopedHandle(ScopedHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    ScopedHandle& operator=(ScopedHandle&& o) noexcept { if (this != &o) { Reset(); h_ = std::exchange(o.h_, nullptr); } return *this; }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    HANDLE Get() const noexcept { return h_; }
    bool Valid() const noexcept { return h_ && h_ != INVALID_HANDLE_VALUE; }
    void Reset(HANDLE h = nullptr) noexcept { if (Valid()) CloseHandle(h_); h_ = h; }
private:
    HANDLE h_;
};

// A GDI object (pen, brush, font, bitmap, region) that deletes itself.
template <typename T>
class ScopedGdiObj {
public:
    explicit ScopedGdiObj(T obj = nullptr) noexcept : obj_(obj) {}
    ~ScopedGdiObj() { Reset(); }
    ScopedGdiObj(ScopedGdiObj&& o) noexcept : obj_(std::exchange(o.obj_, nullptr)) {}
    ScopedGdiObj& operator=(ScopedGdiObj&& o) noexcept { if (this != &o) { Reset(); obj_ = std::exchange(o.obj_, nullptr); } return *this; }
    ScopedGdiObj(const ScopedGdiObj&) = delete;
    ScopedGdiObj& operator=(const ScopedGdiObj&) = delete;
    T Get() const noexcept { return obj_; }
    T Release() noexcept { return std::exchange(obj_, nullptr); }
    void Reset(T obj = nullptr) noexcept { if (obj_) DeleteObject(obj_); obj_ = obj; }
    explicit operator bool() const noexcept { return obj_ != nullptr; }
private:
    T obj_;
};
using ScopedBitmap = ScopedGdiObj<HBITMAP>;
using ScopedFont = ScopedGdiObj<HFONT>;
using ScopedBrush = ScopedGdiObj<HBRUSH>;
using ScopedPen = ScopedGdiObj<HPEN>;

// A memory device context that deletes itself.
class ScopedMemDC {
public:
    explicit ScopedMemDC(HDC compatibleWith) noexcept : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~ScopedMemDC() { if (dc_) DeleteDC(dc_); }
    ScopedMemDC(const ScopedMemDC&) = delete;
    ScopedMemDC& operator=(const ScopedMemDC&) = delete;
    HDC Get() const noexcept { return dc_; }
private:
    HDC dc_;
};

// A window's device context (GetDC), released again.
class ScopedGetDC {
public:
    explicit ScopedGetDC(HWND wnd) noexcept : wnd_(wnd), dc_(GetDC(wnd)) {}
    ~ScopedGetDC() { if (dc_) ReleaseDC(wnd_, dc_); }
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    HDC Get() const noexcept { return dc_; }
private:
    HWND wnd_;
    HDC dc_;
};

// An object selected into a DC; the previous object is selected back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ obj) noexcept : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
    ~ScopedSelect() { if (old_) SelectObject(dc_, old_); }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
private:
    HDC dc_;
    HGDIOBJ old_;
};

// An icon or cursor that destroys itself.
class ScopedIcon {
public:
    explicit ScopedIcon(HICON icon = nullptr) noexcept : icon_(icon) {}
    ~ScopedIcon() { Reset(); }
    ScopedIcon(ScopedIcon&& o) noexcept : icon_(std::exchange(o.icon_, nullptr)) {}
    ScopedIcon& operator=(ScopedIcon&& o) noexcept { if (this != &o) { Reset(); icon_ = std::exchange(o.icon_, nullptr); } return *this; }
    ScopedIcon(const ScopedIcon&) = delete;
    ScopedIcon& operator=(const ScopedIcon&) = delete;
    HICON Get() const noexcept { return icon_; }
    HICON Release() noexcept { return std::exchange(icon_, nullptr); }
    void Reset(HICON icon = nullptr) noexcept { if (icon_) DestroyIcon(icon_); icon_ = icon; }
private:
    HICON icon_;
};

// A COM interface pointer that releases its reference.
template <typename T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    explicit ComPtr(T* p) noexcept : p_(p) {}          // takes over a reference
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr& o) noexcept : p_(o.p_) { if (p_) p_->AddRef(); }
    ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ComPtr& operator=(ComPtr o) noexcept { std::swap(p_, o.p_); return *this; }
    T* Get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    T** Put() noexcept { Reset(); return &p_; }      // for out parameters
    T* Detach() noexcept { return std::exchange(p_, nullptr); }
    void Reset() noexcept { if (p_) std::exchange(p_, nullptr)->Release(); }
    explicit operator bool() const noexcept { return p_ != nullptr; }
private:
    T* p_ = nullptr;
};

// A registry key that closes itself.
class ScopedRegKey {
public:
    ScopedRegKey() noexcept = default;
    ~ScopedRegKey() { if (key_) RegCloseKey(key_); }
    ScopedRegKey(const ScopedRegKey&) = delete;
    ScopedRegKey& operator=(const ScopedRegKey&) = delete;
    HKEY Get() const noexcept { return key_; }
    HKEY* Put() noexcept { if (key_) RegCloseKey(key_); key_ = nullptr; return &key_; }
private:
    HKEY key_ = nullptr;
};

// A module loaded with LoadLibrary, freed again.
class ScopedModule {
public:
    explicit ScopedModule(HMODULE m = nullptr) noexcept : m_(m) {}
    ~ScopedModule() { if (m_) FreeLibrary(m_); }
    ScopedModule(const ScopedModule&) = delete;
    ScopedModule& operator=(const ScopedModule&) = delete;
    HMODULE Get() const noexcept { return m_; }
private:
    HMODULE m_;
};

} // namespace Runtime
