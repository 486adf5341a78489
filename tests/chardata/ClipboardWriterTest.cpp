// The clipboard writer on the real clipboard: what it writes comes back
// unchanged (the code-page bytes of the copy box among them), and while
// another thread holds the clipboard open it waits, keeps processing
// messages, ignores a second copy, stops when the window goes or the
// program quits, and gives up after its bound with a message; a write the
// system refuses fails at once with the same message.
#include "chardata/ClipboardWriter.h"
#include "chardata/CodePageList.h"
#include "chardata/FormBytes.h"
#include "runtime/Clipboard.h"
#include "tests/chardata/ClipboardFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using CharData::ClipboardOutcome;
using CharData::ClipboardResult;
using CharData::ClipboardWait;
using CharData::SetClipboardText;
namespace Clipboard = Runtime::Clipboard;
using Runtime::ScopedGetDC;

using FormsTest::TimerAction;

class ClipboardWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lock_.Held());
        // The last form another test unloaded posted a quit, which would end
        // every wait at once.
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        Clipboard::Clear();
        wait.Message = [this](const std::wstring& m) { messages.push_back(m); };
    }

    ClipboardWait wait;
    std::vector<std::wstring> messages;

private:
    FormsTest::ClipboardLock lock_;
};

TEST_F(ClipboardWriterTest, WhatIsWrittenComesBackFromTheClipboard)
{
    const auto row8 = CharData::SystemFormContext(CharData::OutputFormat::CodePage,
                                                  CharData::CodePageList[8].CodePage, nullptr);
    const auto utf8 = CharData::SystemFormContext(CharData::OutputFormat::UTF8, 0, nullptr);
    const std::string cp1252 = CharData::FormatCopyText(L"\u00E9\u20AC", row8);
    const std::string utf8Bytes = CharData::FormatCopyText(L"\u00E9\u20AC", utf8);
    CharData::FormContext ncr;
    ncr.Format = CharData::OutputFormat::NCRDec;
    const std::string huge = CharData::FormatCopyText(std::wstring(1000000, L'\u20AC'), ncr);
    ASSERT_EQ(CharData::CodePageList[8].CodePage, 1252);

    struct Case {
        const char* what;
        std::function<ClipboardResult()> write;
        std::function<void()> check;
        bool rtf = false; // the write is itself rich text
    };
    const Case cases[] = {
        {"code page 1252 bytes as ANSI text", [&] { return SetClipboardText(cp1252, Clipboard::FormatText, wait); },
         [] { EXPECT_EQ(Clipboard::GetText(Clipboard::FormatText), "\xE9\x80"); }},
        {"utf-8 bytes as ANSI text", [&] { return SetClipboardText(utf8Bytes, Clipboard::FormatText, wait); },
         [] { EXPECT_EQ(Clipboard::GetText(Clipboard::FormatText), "\xC3\xA9\xE2\x82\xAC"); }},
        {"rich text in the registered format",
         [&] { return SetClipboardText(std::string("{\\rtf1 x}"), Clipboard::FormatRTF, wait); },
         [] {
             UINT rtf = RegisterClipboardFormatW(L"Rich Text Format");
             EXPECT_TRUE(IsClipboardFormatAvailable(rtf));
             EXPECT_EQ(Clipboard::GetText(Clipboard::FormatRTF), "{\\rtf1 x}");
         },
         true},
        {"a huge copy text, whole", [&] { return SetClipboardText(huge, Clipboard::FormatText, wait); },
         [&] { EXPECT_EQ(Clipboard::GetText(Clipboard::FormatText), huge); }},
        {"Unicode text keeps every character",
         [&] { return SetClipboardText(std::wstring(L"\u0416\u4E2D Font \u00E9"), wait); },
         [] { EXPECT_EQ(Clipboard::GetUnicodeText(), L"\u0416\u4E2D Font \u00E9"); }},
    };
    for (const Case& c : cases) {
        // Something else first: the write empties the clipboard.
        Clipboard::SetText(std::string("{\\rtf1 old}"), Clipboard::FormatRTF);
        ClipboardResult result = c.write();
        EXPECT_EQ(result.Outcome, ClipboardOutcome::Copied) << c.what;
        EXPECT_EQ(result.Attempts, 1) << c.what;
        c.check();
        if (!c.rtf) {
            EXPECT_FALSE(Clipboard::GetFormat(Clipboard::FormatRTF)) << c.what << ": the old data stayed";
        }
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(ClipboardWriterTest, AWriteTheSystemRefusesFailsAtOnceWithTheBusyMessage)
{
    using FormsTest::ClipboardRefusal;
    ScopedGetDC screen(nullptr);
    Runtime::Picture picture = Runtime::Picture::FromBitmap(CreateCompatibleBitmap(screen.Get(), 3, 3));
    struct Case {
        const char* what;
        std::optional<ClipboardRefusal::Call> refused; // none: the system refuses the format itself
        std::function<ClipboardResult()> write;
    };
    const Case cases[] = {
        {"bytes of a format the system refuses", std::nullopt,
         [&] { return SetClipboardText(std::string("x"), 14 /* enhanced metafile */, wait); }},
        {"text, the clipboard not emptied", ClipboardRefusal::Empty,
         [&] { return SetClipboardText(std::string("x"), Clipboard::FormatText, wait); }},
        {"text not taken", ClipboardRefusal::SetData,
         [&] { return SetClipboardText(std::string("x"), Clipboard::FormatText, wait); }},
        {"Unicode text not taken", ClipboardRefusal::SetData, [&] { return SetClipboardText(std::wstring(L"x"), wait); }},
        {"a picture not taken", ClipboardRefusal::SetData, [&] { return CharData::SetClipboardPicture(picture, wait); }},
    };
    for (const Case& c : cases) {
        messages.clear();
        Clipboard::SetText(std::string("before"));
        std::optional<ClipboardRefusal> refusal;
        if (c.refused) {
            refusal.emplace(GetModuleHandleW(nullptr), *c.refused);
            ASSERT_TRUE(refusal->Active()) << c.what;
        }
        ClipboardResult result = c.write();
        refusal.reset();
        EXPECT_EQ(result.Outcome, ClipboardOutcome::Failed) << c.what;
        EXPECT_EQ(result.Attempts, 1) << c.what << ": a refused write is not a busy clipboard";
        ASSERT_EQ(messages.size(), 1u) << c.what;
        EXPECT_EQ(messages[0], CharData::kClipboardBusyMessage) << c.what;
        EXPECT_FALSE(Clipboard::GetFormat(14)) << c.what;
    }
}

TEST_F(ClipboardWriterTest, WaitsHalfSecondStepsWhileAnotherProgramHoldsIt)
{
    // Held until between the second and the third attempt: two waits.
    FormsTest::ClipboardHolder holder(750);
    ASSERT_TRUE(holder.Held());
    bool processed = false;
    TimerAction meanwhile(100, [&] { processed = true; });
    DWORD start = GetTickCount();
    ClipboardResult result = SetClipboardText(std::string("after the wait"), Clipboard::FormatText, wait);
    DWORD elapsed = GetTickCount() - start;
    holder.Release();

    EXPECT_EQ(result.Outcome, ClipboardOutcome::Copied);
    EXPECT_EQ(result.Attempts, 3);
    EXPECT_GE(elapsed, 990u);
    EXPECT_LT(elapsed, 1450u);
    EXPECT_TRUE(processed) << "window messages were not processed during the wait";
    EXPECT_EQ(Clipboard::GetText(), "after the wait");
    EXPECT_TRUE(messages.empty());
}

TEST_F(ClipboardWriterTest, ASecondCopyWhileOneWaitsIsIgnored)
{
    FormsTest::ClipboardHolder holder(750);
    ASSERT_TRUE(holder.Held());
    ClipboardResult second;
    TimerAction again(200, [&] { second = SetClipboardText(std::string("second"), Clipboard::FormatText, wait); });
    ClipboardResult first = SetClipboardText(std::string("first"), Clipboard::FormatText, wait);
    holder.Release();

    ASSERT_TRUE(again.Fired());
    EXPECT_EQ(second.Outcome, ClipboardOutcome::Ignored);
    EXPECT_EQ(second.Attempts, 0);
    EXPECT_EQ(first.Outcome, ClipboardOutcome::Copied);
    EXPECT_EQ(Clipboard::GetText(), "first");
    // Once the first is done, copying works again.
    EXPECT_EQ(SetClipboardText(std::string("third"), Clipboard::FormatText, wait).Outcome, ClipboardOutcome::Copied);
}

TEST_F(ClipboardWriterTest, TheWaitEndsWhenTheWindowGoesOrTheProgramQuits)
{
    Clipboard::SetText(std::string("before"));
    struct Case { const char* what; bool quit; };
    const Case cases[] = {{"window destroyed", false}, {"quit posted", true}};
    for (const Case& c : cases) {
        HWND window = CreateWindowExW(0, L"Static", L"copier", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(window) << c.what;
        wait.StillAlive = [window] { return IsWindow(window) != FALSE; };
        FormsTest::ClipboardHolder holder(20000);
        ASSERT_TRUE(holder.Held()) << c.what;
        TimerAction end(300, [&] {
            if (c.quit) PostQuitMessage(0);
            else DestroyWindow(window);
        });
        DWORD start = GetTickCount();
        ClipboardResult result = SetClipboardText(std::string("never"), Clipboard::FormatText, wait);
        DWORD elapsed = GetTickCount() - start;
        holder.Release();

        EXPECT_EQ(result.Outcome, ClipboardOutcome::Closed) << c.what;
        EXPECT_LT(elapsed, 1000u) << c.what;
        EXPECT_EQ(Clipboard::GetUnicodeText(), L"before") << c.what << ": the clipboard changed";
        MSG quit;
        EXPECT_EQ(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE, c.quit)
            << c.what << ": the quit must stay posted for the outer loop";
        if (IsWindow(window)) DestroyWindow(window);
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(ClipboardWriterTest, GivesUpAfterItsBoundWithAMessage)
{
    Clipboard::SetText(std::string("before"));
    wait.RetryMs = 200;
    wait.GiveUpMs = 1000;
    FormsTest::ClipboardHolder holder(20000);
    ASSERT_TRUE(holder.Held());
    DWORD start = GetTickCount();
    ClipboardResult result = SetClipboardText(std::string("never"), Clipboard::FormatText, wait);
    DWORD elapsed = GetTickCount() - start;
    holder.Release();

    EXPECT_EQ(result.Outcome, ClipboardOutcome::GaveUp);
    EXPECT_GE(result.Attempts, 5);
    EXPECT_LE(result.Attempts, 7);
    EXPECT_GE(elapsed, 990u);
    EXPECT_LT(elapsed, 2500u);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], CharData::kClipboardBusyMessage);
    EXPECT_EQ(Clipboard::GetUnicodeText(), L"before");
}

} // namespace
