// Times the copy box of the real window holding a long text: choosing each
// of the twelve output forms (its option button, with the preview it
// rebuilds and the repaint it causes) and Copy in each form (the Copy
// button, the clipboard write and the repaint), for a text of ASCII and
// one of mixed scripts. Prints each figure beside the 500 ms target, then
// the steps of the RTF copy one by one (what each pass through the hidden
// rich text box costs). Run under Wine:
//   build/win/wine-emulator build/win/tests/bench/copybox_bench.exe
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <richedit.h>

#include "chardata/ClipboardWriter.h"
#include "chardata/OutputForms.h"
#include "chardata/RichTextCopy.h"
#include "chardata/RichTextDocument.h"
#include "mainwin/fwMain.h"
#include "runtime/Clipboard.h"
#include "runtime/Pump.h"
#include "tests/bench/BenchClock.h"
#include "tests/bench/ShownMainWindow.h"
#include "tests/bench/BenchSupport.h"
#include "tests/support/LongCopyTexts.h"

namespace {

constexpr double kTargetMs = 500.0;
constexpr std::size_t kCopyLength = TestSupport::kLongCopyLength;
constexpr int kDefaultRuns = 3;
int kRuns = kDefaultRuns;

using Bench::NowMs;

struct Figures {
    std::vector<double> choose, copy;
};

// The box holds the text, in the "Unicode" form, all painted.
void FillBox(fwMain& main, const std::wstring& text)
{
    main.obFormat[0]->SetValue(true);
    main.CopyNotTyped = true;
    main.tbCopy.SetText(text);
    Runtime::DoEvents();
}

// With "--messages": the messages each step sends or posts, counted by
// window and message, so that a slow step shows where its time goes.
bool gCountMessages = false;
std::map<std::pair<std::wstring, UINT>, int> gMessages;

std::wstring WindowName(HWND wnd)
{
    if (Runtime::Control* control = Runtime::Control::FromHwnd(wnd)) return control->Name();
    wchar_t name[64] = L"";
    GetClassNameW(wnd, name, 64);
    return name;
}

LRESULT CALLBACK CountSent(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        auto* sent = reinterpret_cast<CWPSTRUCT*>(lParam);
        ++gMessages[{WindowName(sent->hwnd), sent->message}];
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CountPosted(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        auto* posted = reinterpret_cast<MSG*>(lParam);
        ++gMessages[{WindowName(posted->hwnd) + L" (posted)", posted->message}];
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void PrintMessages(const char* step, double ms)
{
    std::vector<std::pair<int, std::pair<std::wstring, UINT>>> counts;
    int total = 0;
    for (const auto& [key, n] : gMessages) counts.push_back({n, key}), total += n;
    std::sort(counts.rbegin(), counts.rend());
    std::printf("    %s: %.1f ms, %d messages", step, ms, total);
    for (std::size_t i = 0; i < counts.size() && i < 8; ++i)
        std::printf("%s %ls 0x%04X x%d", i ? "," : ":", counts[i].second.first.c_str(), counts[i].second.second,
                    counts[i].first);
    std::printf("\n");
    gMessages.clear();
}

double Timed(const char* step, const std::function<void()>& work)
{
    HHOOK sent = nullptr, posted = nullptr;
    if (gCountMessages) {
        sent = SetWindowsHookExW(WH_CALLWNDPROC, CountSent, nullptr, GetCurrentThreadId());
        posted = SetWindowsHookExW(WH_GETMESSAGE, CountPosted, nullptr, GetCurrentThreadId());
    }
    double start = NowMs();
    work();
    Runtime::DoEvents();
    double ms = NowMs() - start;
    if (gCountMessages) {
        UnhookWindowsHookEx(sent);
        UnhookWindowsHookEx(posted);
        PrintMessages(step, ms);
    }
    return ms;
}

// Each form is chosen coming from the one before (the "Unicode" form from
// "Picture (BMP)"), then copied; "SGML:" last, since choosing it writes the
// selected character into the box.
void Measure(fwMain& main, const std::wstring& text, std::vector<Figures>& figures)
{
    FillBox(main, text);
    for (int format = 0; format < CharData::kOutputFormatCount; ++format) {
        if (format == 0) main.obFormat[10]->SetValue(true), Runtime::DoEvents();
        if (gCountMessages) std::printf("  form %d\n", format);
        figures[format].choose.push_back(Timed("choose", [&] { main.obFormat[format]->SetValue(true); }));
        figures[format].copy.push_back(Timed("copy", [&] { main.bbCopy.SetValue(true); }));
    }
}

void Print(const char* what, const std::vector<Figures>& figures, bool& allWithin)
{
    std::printf("%s, %zu characters, median of %d runs (target %.0f ms each)\n", what, kCopyLength, kRuns,
                kTargetMs);
    for (int format = 0; format < CharData::kOutputFormatCount; ++format) {
        const double choose = Bench::Median(figures[format].choose), copy = Bench::Median(figures[format].copy);
        std::wstring_view caption = CharData::OutputFormatCaption(format);
        std::string name(caption.begin(), caption.end());
        const bool ok = choose <= kTargetMs && copy <= kTargetMs;
        std::printf("  %-14s choose %8.1f ms   copy %8.1f ms   %s\n", name.c_str(), choose, copy, ok ? "ok" : "OVER");
        allWithin = allWithin && ok;
    }
}

// The rich text streamed into the box as it is, with no default format set
// first and no comparison around it.
void StreamInOnly(HWND box, const std::string& rtf)
{
    struct Cookie { const std::string* data; std::size_t pos; } cookie{&rtf, 0};
    EDITSTREAM es{};
    es.dwCookie = reinterpret_cast<DWORD_PTR>(&cookie);
    es.pfnCallback = [](DWORD_PTR c, LPBYTE buffer, LONG size, LONG* done) -> DWORD {
        auto* in = reinterpret_cast<Cookie*>(c);
        std::size_t n = std::min(in->data->size() - in->pos, static_cast<std::size_t>(size));
        std::copy_n(in->data->data() + in->pos, n, buffer);
        in->pos += n;
        *done = static_cast<LONG>(n);
        return 0;
    };
    SendMessageW(box, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&es));
}

// The RTF copy of the text step by step, on the window's own hidden rich
// text box: each step the median of the runs.
void MeasureRtfSteps(fwMain& main, const char* what, const std::wstring& text)
{
    FillBox(main, text);
    main.obFormat[1]->SetValue(true);
    Runtime::DoEvents();
    Runtime::RichTextBox& box = main.RtfBox();
    const CharData::ClipboardWait wait;
    const std::string form = main.FormatCopyText();
    Runtime::FontSpec viewFont = main.pbView.Font();
    std::string rtf;
    std::wstring read;
    struct Step { const char* name; std::function<void()> work; std::vector<double> ms; };
    std::vector<Step> steps = {
        {"RTF form of the text", [&] { (void)main.FormatCopyText(); }, {}},
        {"SetTextRTF (form)", [&] { box.SetTextRTF(form); }, {}},
        {"SetTextRTF (form, in a font)", [&] { box.SetTextRTF(form, box.Font()); }, {}},
        {"stream in alone (form)", [&] { StreamInOnly(box.hWnd(), form); }, {}},
        {"SetFont (all text)", [&] { box.SetFont(box.Font()); }, {}},
        {"SetTextColor (all text)", [&] { box.SetTextColor(0x0000FF); }, {}},
        {"Text", [&] { read = box.Text(); }, {}},
        {"TextRTF (stream out)", [&] { rtf = box.TextRTF(); }, {}},
        {"SetTextRTF (its RTF)", [&] { box.SetTextRTF(rtf); }, {}},
        {"stream in alone (its RTF)", [&] { StreamInOnly(box.hWnd(), rtf); }, {}},
        {"RichTextDocument", [&] { (void)CharData::RichTextDocument({box.Font().Name}, read); }, {}},
        {"clipboard write", [&] { CharData::SetClipboardText(rtf, Runtime::Clipboard::FormatRTF, wait); }, {}},
        {"Copy (the whole RTF copy)", [&] { main.bbCopy_Click(); }, {}},
    };
    for (int run = 0; run < kRuns; ++run) {
        box.SetTextRTF(form);
        for (Step& step : steps) step.ms.push_back(Timed(step.name, step.work));
    }
    std::printf("RTF copy step by step, %s (median of %d runs; %zu bytes of RTF form, %zu read out)\n", what, kRuns,
                form.size(), rtf.size());
    for (const Step& step : steps) std::printf("  %-28s %8.1f ms\n", step.name, Bench::Median(step.ms));
}

} // namespace

// Arguments: the number of runs; "--messages" to count each step's messages.
int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--messages") gCountMessages = true;
        else if (std::atoi(argv[i]) > 0) kRuns = std::atoi(argv[i]);
    }
    auto window = Bench::ShownMainWindow();
    if (!window) {
        std::printf("start-up refused\n");
        return 1;
    }
    fwMain& main = *window;

    bool allWithin = true;
    const struct { const char* what; std::wstring text; } texts[] = {
        {"ASCII", TestSupport::LongAsciiText()},
        {"mixed scripts", TestSupport::LongMixedText()},
    };
    for (const auto& t : texts) {
        std::vector<Figures> figures(CharData::kOutputFormatCount);
        for (int run = 0; run < kRuns; ++run) Measure(main, t.text, figures);
        Print(t.what, figures, allWithin);
    }
    for (const auto& t : texts) MeasureRtfSteps(main, t.what, t.text);
    window->Unload();
    Runtime::DoEvents();
    return allWithin ? 0 : 1;
}
