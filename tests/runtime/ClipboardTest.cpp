// The real clipboard: bytes in the byte formats come back unchanged,
// Unicode text, bitmaps the clipboard owns, the format checks, error 521
// for every operation while another window holds the clipboard open, and
// the errors of writes the system refuses.
// The cases take a machine-wide lock, so that clipboard tests running at
// the same time in other processes do not disturb each other.
#include "runtime/Clipboard.h"
#include "runtime/RuntimeError.h"

#include "tests/chardata/ClipboardFixture.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

namespace {

using namespace Runtime;

constexpr wchar_t kClipboardLock[] = L"Orlenta.Tests.Clipboard";

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        lock_.Reset(CreateMutexW(nullptr, FALSE, kClipboardLock));
        ASSERT_TRUE(lock_.Valid());
        DWORD got = WaitForSingleObject(lock_.Get(), 60000);
        ASSERT_TRUE(got == WAIT_OBJECT_0 || got == WAIT_ABANDONED);
        Clipboard::Clear();
    }
    void TearDown() override
    {
        if (lock_.Valid()) ReleaseMutex(lock_.Get());
    }

private:
    ScopedHandle lock_;
};

using TestSupport::ErrorOf;

TEST_F(ClipboardTest, BytesComeBackUnchangedInEachByteFormat)
{
    struct Case { const char* what; std::string bytes; long format; };
    const Case cases[] = {
        {"ascii text", "plain text", Clipboard::FormatText},
        {"high bytes as text", "\xC3\xA9\x80\x9F\xFF UTF-8 and more", Clipboard::FormatText},
        {"rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 \\u1046?}", Clipboard::FormatRTF},
        {"empty text", "", Clipboard::FormatText},
    };
    for (const Case& c : cases) {
        Clipboard::Clear();
        Clipboard::SetText(c.bytes, c.format);
        EXPECT_TRUE(Clipboard::GetFormat(c.format)) << c.what;
        EXPECT_EQ(Clipboard::GetText(c.format), c.bytes) << c.what;
    }
    EXPECT_EQ(Clipboard::NativeFormat(Clipboard::FormatRTF), RegisterClipboardFormatW(L"Rich Text Format"));

    // Two formats side by side: setting one leaves the other.
    Clipboard::Clear();
    Clipboard::SetText("text", Clipboard::FormatText);
    Clipboard::SetText("{\\rtf1 rich}", Clipboard::FormatRTF);
    EXPECT_EQ(Clipboard::GetText(Clipboard::FormatText), "text");
    EXPECT_EQ(Clipboard::GetText(Clipboard::FormatRTF), "{\\rtf1 rich}");
    // The system offers the text as Unicode text too.
    EXPECT_EQ(Clipboard::GetUnicodeText(), L"text");

    Clipboard::Clear();
    for (long f : {Clipboard::FormatText, Clipboard::FormatRTF, Clipboard::FormatUnicodeText, Clipboard::FormatBitmap})
        EXPECT_FALSE(Clipboard::GetFormat(f)) << f;
    EXPECT_EQ(Clipboard::GetText(), "");
    EXPECT_EQ(Clipboard::GetUnicodeText(), L"");
}

TEST_F(ClipboardTest, UnicodeTextAndBadFormats)
{
    const std::wstring text = L"A\x00E9\x0416\x4E2D\xFFFD end";
    Clipboard::SetText(text);
    EXPECT_TRUE(Clipboard::GetFormat(Clipboard::FormatUnicodeText));
    EXPECT_EQ(Clipboard::GetUnicodeText(), text);

    struct Case { const char* what; std::function<void()> op; };
    const Case cases[] = {
        {"bytes as Unicode text", [] { Clipboard::SetText("x", Clipboard::FormatUnicodeText); }},
        {"bytes as a bitmap", [] { Clipboard::SetText("x", Clipboard::FormatBitmap); }},
        {"format 0", [] { Clipboard::SetText("x", 0); }},
        {"format 18", [] { Clipboard::GetText(18); }},
        {"negative format", [] { Clipboard::GetFormat(-1); }},
        {"no bitmap", [] { Clipboard::SetData(nullptr); }},
    };
    for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.op), ErrInvalidCall) << c.what;
    EXPECT_EQ(Clipboard::GetUnicodeText(), text) << "refused calls change nothing";
}

TEST_F(ClipboardTest, TheClipboardOwnsACopyOfTheBitmap)
{
    ScopedGetDC screen(nullptr);
    ScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), 7, 5));
    {
        ScopedMemDC mem(screen.Get());
        ScopedSelect select(mem.Get(), bitmap.Get());
        RECT r{0, 0, 7, 5};
        ScopedBrush green(CreateSolidBrush(RGB(0, 255, 0)));
        FillRect(mem.Get(), &r, green.Get());
        SetPixelV(mem.Get(), 6, 4, RGB(255, 0, 0));
    }
    Clipboard::SetData(bitmap.Get());
    bitmap.Reset(); // the caller's bitmap goes; the clipboard's copy stays
    EXPECT_TRUE(Clipboard::GetFormat(Clipboard::FormatBitmap));
    ScopedBitmap back = Clipboard::GetData();
    ASSERT_TRUE(back);
    BITMAP bm{};
    GetObjectW(back.Get(), sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 7);
    EXPECT_EQ(bm.bmHeight, 5);
    ScopedMemDC mem(screen.Get());
    ScopedSelect select(mem.Get(), back.Get());
    EXPECT_EQ(GetPixel(mem.Get(), 0, 0), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(mem.Get(), 6, 4), RGB(255, 0, 0));
}

TEST_F(ClipboardTest, AWriteTheSystemRefusesRaisesItsErrorAndKeepsTheClipboard)
{
    // Formats whose data is a GDI object or a structure of handles: the
    // system refuses the bytes of a memory block for them.
    struct Refused { const char* what; long format; };
    const Refused refused[] = {{"metafile picture", 3}, {"palette", 9}, {"enhanced metafile", 14}};
    for (const Refused& r : refused) {
        Clipboard::Clear();
        Clipboard::SetText("before", Clipboard::FormatText);
        EXPECT_EQ(ErrorOf([&] { Clipboard::SetText("bytes", r.format); }), ErrInvalidClipboardFormat) << r.what;
        EXPECT_FALSE(Clipboard::GetFormat(r.format)) << r.what;
        EXPECT_EQ(Clipboard::GetText(), "before") << r.what;
    }

    // The system refusing the call itself, for any format or for emptying.
    ScopedGetDC screen(nullptr);
    ScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), 2, 2));
    struct Case { const char* what; FormsTest::ClipboardRefusal::Call call; std::function<void()> op; int error; };
    const Case cases[] = {
        {"Clear", FormsTest::ClipboardRefusal::Empty, [] { Clipboard::Clear(); }, ErrCantEmptyClipboard},
        {"SetText bytes", FormsTest::ClipboardRefusal::SetData, [] { Clipboard::SetText("x"); },
         ErrInvalidClipboardFormat},
        {"SetText Unicode", FormsTest::ClipboardRefusal::SetData, [] { Clipboard::SetText(std::wstring(L"x")); },
         ErrInvalidClipboardFormat},
        {"SetData", FormsTest::ClipboardRefusal::SetData, [&] { Clipboard::SetData(bitmap.Get()); },
         ErrInvalidClipboardFormat},
    };
    for (const Case& c : cases) {
        Clipboard::Clear();
        Clipboard::SetText("before", Clipboard::FormatText);
        {
            FormsTest::ClipboardRefusal refusal(GetModuleHandleW(nullptr), c.call);
            ASSERT_TRUE(refusal.Active()) << c.what;
            EXPECT_EQ(ErrorOf(c.op), c.error) << c.what;
        }
        EXPECT_EQ(Clipboard::GetText(), "before") << c.what;
        EXPECT_EQ(ErrorOf(c.op), 0) << c.what << ": once the system takes it";
    }
    EXPECT_EQ(ErrorMessage(ErrInvalidClipboardFormat), "Invalid Clipboard format");
    EXPECT_EQ(ErrorMessage(ErrCantEmptyClipboard), "Can't empty Clipboard");
}

// Another thread with a window of its own holds the clipboard open until told to let go.
class Holder {
public:
    Holder()
        : opened_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), release_(CreateEventW(nullptr, TRUE, FALSE, nullptr))
    {
        thread_ = std::thread([this] {
            HWND wnd = CreateWindowExW(0, L"Static", L"holder", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
            held_ = OpenClipboard(wnd) != FALSE;
            SetEvent(opened_.Get());
            WaitForSingleObject(release_.Get(), 30000);
            if (held_) CloseClipboard();
            DestroyWindow(wnd);
        });
        WaitForSingleObject(opened_.Get(), 10000);
    }
    ~Holder() { Release(); }
    void Release()
    {
        SetEvent(release_.Get());
        if (thread_.joinable()) thread_.join();
    }
    bool Held() const { return held_; }

private:
    ScopedHandle opened_, release_;
    std::thread thread_;
    bool held_ = false;
};

TEST_F(ClipboardTest, EveryOperationRaises521WhileAnotherWindowHoldsIt)
{
    Clipboard::SetText("before", Clipboard::FormatText);
    ScopedGetDC screen(nullptr);
    ScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), 2, 2));

    struct Case { const char* what; std::function<void()> op; };
    const Case cases[] = {
        {"Clear", [] { Clipboard::Clear(); }},
        {"SetText bytes", [] { Clipboard::SetText("x", Clipboard::FormatText); }},
        {"SetText rtf", [] { Clipboard::SetText("{\\rtf1 x}", Clipboard::FormatRTF); }},
        {"SetText Unicode", [] { Clipboard::SetText(std::wstring(L"x")); }},
        {"GetText", [] { Clipboard::GetText(); }},
        {"GetUnicodeText", [] { Clipboard::GetUnicodeText(); }},
        {"SetData", [&] { Clipboard::SetData(bitmap.Get()); }},
        {"GetData", [] { Clipboard::GetData(); }},
        {"GetFormat", [] { Clipboard::GetFormat(Clipboard::FormatText); }},
    };
    {
        Holder holder;
        ASSERT_TRUE(holder.Held());
        for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.op), ErrCantOpenClipboard) << c.what;
        try {
            Clipboard::Clear();
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "Can't open Clipboard");
        }
    }
    // Let go, the clipboard works again and nothing was lost meanwhile.
    EXPECT_EQ(Clipboard::GetText(), "before");
    for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.op), 0) << c.what;
}

} // namespace
