// Times the main window's start-up: from the load event (controls created,
// settings, character data, font list) to the window shown, against the
// 150 ms target. Two figures:
//   - a program start: each run in a fresh process of its own (this
//     program started again with "--once"), as a user starts Orlenta;
//   - a repeated start: further windows made one after the other in this
//     process, once the system's one-time work (window classes, fonts,
//     libraries) is done.
// The windows are made in this process, so their settings, name and entity
// files go beside this program. Run under Wine:
//   build/win/wine-emulator build/win/tests/bench/startup_bench.exe
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "mainwin/fwMain.h"
#include "runtime/Pump.h"
#include "tests/bench/BenchClock.h"

namespace {

constexpr double kTargetMs = 150.0;
constexpr int kRuns = 7;

using Bench::NowMs;

struct Timing {
    double load = 0;  // load event returned
    double total = 0; // window shown
};

// One window from its load event to shown; false when start-up refused.
bool TimeOneStart(Timing& timing)
{
    auto window = std::make_unique<fwMain>();
    double start = NowMs();
    if (!window->Load()) return false;
    double loaded = NowMs();
    window->Show();
    double shown = NowMs();
    timing.load = loaded - start;
    timing.total = shown - start;
    Runtime::DoEvents();
    window->Unload();
    Runtime::DoEvents();
    return true;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Report(const char* what, const std::vector<Timing>& runs)
{
    std::vector<double> totals, loads;
    for (const Timing& t : runs) totals.push_back(t.total), loads.push_back(t.load);
    double total = Median(totals), load = Median(loads);
    std::printf("%s, median of %zu: %.1f ms (target %.0f ms: %s)\n", what, runs.size(), total, kTargetMs,
                total <= kTargetMs ? "met" : "missed");
    std::printf("    load event %.1f ms, showing %.1f ms; runs:", load, total - load);
    for (const Timing& t : runs) std::printf(" %.0f", t.total);
    std::printf("\n");
}

std::wstring OwnPath()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// Starts this program with "--once <file>" and reads the figures it wrote.
bool TimeProgramStart(const std::wstring& resultFile, Timing& timing)
{
    DeleteFileW(resultFile.c_str());
    std::wstring command = L"\"" + OwnPath() + L"\" --once \"" + resultFile + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    WaitForSingleObject(pi.hProcess, INFINITE);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    FILE* f = _wfopen(resultFile.c_str(), L"r");
    if (!f) return false;
    bool ok = std::fscanf(f, "%lf %lf", &timing.load, &timing.total) == 2;
    std::fclose(f);
    return ok;
}

void InitControls()
{
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
}

} // namespace

int main(int argc, char** argv)
{
    InitControls();
    if (argc == 3 && std::string(argv[1]) == "--once") {
        Timing timing;
        if (!TimeOneStart(timing)) return 1;
        FILE* f = std::fopen(argv[2], "w");
        if (!f) return 1;
        std::fprintf(f, "%f %f\n", timing.load, timing.total);
        std::fclose(f);
        return 0;
    }

    const std::wstring resultFile = OwnPath() + L".result";
    std::vector<Timing> programStarts, repeatedStarts;
    for (int i = 0; i < kRuns; ++i) {
        Timing timing;
        if (!TimeProgramStart(resultFile, timing)) {
            std::printf("a program start failed (start-up refused?)\n");
            return 1;
        }
        programStarts.push_back(timing);
    }
    DeleteFileW(resultFile.c_str());
    Timing first;
    if (!TimeOneStart(first)) return 1; // this process's own one-time work
    for (int i = 0; i < kRuns; ++i) {
        Timing timing;
        if (!TimeOneStart(timing)) return 1;
        repeatedStarts.push_back(timing);
    }
    std::printf("main window start-up (load event to window shown)\n");
    Report("  program start (fresh process)", programStarts);
    Report("  repeated start (same process) ", repeatedStarts);
    return 0;
}
