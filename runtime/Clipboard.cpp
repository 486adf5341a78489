#include "runtime/Clipboard.h"

#include <cstring>

#include "runtime/MessageWindow.h"
#include "runtime/RuntimeError.h"

namespace Runtime::Clipboard {

namespace {

constexpr int ErrOutOfMemory = 7;

// The clipboard, open for the life of the object; 521 when it cannot be opened.
class OpenClipboardScope {
public:
    OpenClipboardScope()
    {
        // An owner window is needed: opened without one, emptying the
        // clipboard leaves it ownerless and setting data then fails.
        if (!OpenClipboard(RuntimeMessageWindow())) Raise(ErrCantOpenClipboard);
    }
    ~OpenClipboardScope() { CloseClipboard(); }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
};

// Moveable global memory, freed unless the clipboard took it.
class ScopedGlobal {
public:
    explicit ScopedGlobal(size_t bytes) noexcept : mem_(GlobalAlloc(GMEM_MOVEABLE, bytes ? bytes : 1)) {}
    ~ScopedGlobal() { if (mem_) GlobalFree(mem_); }
    ScopedGlobal(const ScopedGlobal&) = delete;
    ScopedGlobal& operator=(const ScopedGlobal&) = delete;
    HGLOBAL Get() const noexcept { return mem_; }
    void Release() noexcept { mem_ = nullptr; }
    bool Fill(const void* data, size_t bytes)
    {
        void* p = mem_ ? GlobalLock(mem_) : nullptr;
        if (!p) return false;
        memcpy(p, data, bytes);
        GlobalUnlock(mem_);
        return true;
    }
private:
    HGLOBAL mem_;
};

void Put(UINT format, const void* data, size_t bytes)
{
    OpenClipboardScope open;
    ScopedGlobal mem(bytes);
    if (!mem.Fill(data, bytes)) throw Error(ErrOutOfMemory, "Out of memory");
    // The clipboard owns the memory only once it took it.
    if (!SetClipboardData(format, mem.Get())) Raise(ErrInvalidClipboardFormat);
    mem.Release();
}

// The bytes of a memory format, as far as the block goes.
std::string Read(UINT format)
{
    OpenClipboardScope open;
    HANDLE data = GetClipboardData(format);
    if (!data) return {};
    const void* p = GlobalLock(data);
    if (!p) return {};
    std::string bytes(static_cast<const char*>(p), GlobalSize(data));
    GlobalUnlock(data);
    return bytes;
}

} // namespace

UINT NativeFormat(long format)
{
    if (format == FormatRTF) {
        static const UINT rtf = RegisterClipboardFormatW(L"Rich Text Format");
        return rtf;
    }
    // The system's own formats, and registered ones.
    if ((format >= 1 && format <= 17) || (format >= 0xC000 && format <= 0xFFFF)) return static_cast<UINT>(format);
    Raise(ErrInvalidCall);
}

void Clear()
{
    OpenClipboardScope open;
    if (!EmptyClipboard()) Raise(ErrCantEmptyClipboard);
}

void SetText(const std::string& bytes, long format)
{
    UINT native = NativeFormat(format);
    if (native == CF_UNICODETEXT || native == CF_BITMAP) Raise(ErrInvalidCall);
    std::string data = bytes;
    data.push_back('\0');
    Put(native, data.data(), data.size());
}

void SetText(const std::wstring& text)
{
    std::wstring data = text;
    data.push_back(L'\0');
    Put(CF_UNICODETEXT, data.data(), data.size() * sizeof(wchar_t));
}

std::string GetText(long format)
{
    UINT native = NativeFormat(format);
    if (native == CF_UNICODETEXT || native == CF_BITMAP) Raise(ErrInvalidCall);
    std::string bytes = Read(native);
    size_t end = bytes.find('\0');
    if (end != std::string::npos) bytes.resize(end);
    return bytes;
}

std::wstring GetUnicodeText()
{
    std::string bytes = Read(CF_UNICODETEXT);
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
    size_t end = text.find(L'\0');
    if (end != std::wstring::npos) text.resize(end);
    return text;
}

void SetData(HBITMAP bitmap)
{
    if (!bitmap) Raise(ErrInvalidCall);
    OpenClipboardScope open;
    ScopedBitmap copy(static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)));
    if (!copy) Raise(ErrInvalidCall);
    if (!SetClipboardData(CF_BITMAP, copy.Get())) Raise(ErrInvalidClipboardFormat);
    copy.Release();
}

ScopedBitmap GetData()
{
    OpenClipboardScope open;
    auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    return ScopedBitmap(bitmap ? static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)) : nullptr);
}

bool GetFormat(long format)
{
    UINT native = NativeFormat(format);
    OpenClipboardScope open;
    return IsClipboardFormatAvailable(native) != FALSE;
}

} // namespace Runtime::Clipboard
