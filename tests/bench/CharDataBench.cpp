// Times the name table as the program uses it: the build at start-up
// (29,292 GetUName calls, the name file and the entity file) and the name
// look-up that every table page, search and output form goes through.
// Prints each figure beside its target. Run under Wine:
//   build/win/wine-emulator build/win/tests/bench/chardata_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/bench/BenchClock.h"
#include "tests/bench/BenchSupport.h"
#include "chardata/CharNameTable.h"
#include "chardata/GetUNameLibrary.h"

namespace {

constexpr double kBuildTargetMs = 30.0;
constexpr double kLookUpTargetNs = 50.0;
constexpr int kBuilds = 25;
constexpr int kLookUpPasses = 200;

// Seconds on the benchmarks' clock.
double Now() { return Bench::NowMs() / 1000.0; }

using Bench::Median;
using Bench::SourcePath;

void Report(const char* what, double value, const char* unit, double target)
{
    std::printf("%-44s %9.2f %s   (target %.0f %s)  %s\n", what, value, unit, target, unit,
                value <= target ? "ok" : "OVER");
}

} // namespace

int main()
{
    const std::wstring names = SourcePath("resources/CharNames.csv");
    const std::wstring entities = SourcePath("resources/Entities.ent");

    // The build as start-up runs it, the first in the process: load the
    // library, read both files, fill the table.
    CharData::CharNameTable table;
    double start = Now();
    const bool bound = table.LoadCharNames(names, entities);
    const double first = (Now() - start) * 1000.0;
    if (!bound) {
        std::printf("GetUName.dll is not installed in the system folder\n");
        return 1;
    }
    if (table.Record(0xA0).Entity.empty() || table.GetCharName(0x0237) == L"Undefined") {
        std::printf("cannot read the name and entity files below %s\n", ORLENTA_SOURCE_DIR);
        return 1;
    }

    // Loading the library alone (under Wine the stand-in's load, with its
    // runtime's start, dominates the first build).
    std::vector<double> loads;
    for (int i = 0; i < kBuilds; ++i) {
        start = Now();
        const CharData::GetUNameLibrary library;
        loads.push_back((Now() - start) * 1000.0);
    }

    // The build itself, with the library kept loaded meanwhile: 29,292
    // library calls and both files.
    const CharData::GetUNameLibrary keepLoaded;
    std::vector<double> builds, calls;
    for (int i = 0; i < kBuilds; ++i) {
        start = Now();
        table.LoadCharNames(names, entities);
        builds.push_back((Now() - start) * 1000.0);
        start = Now();
        table.LoadCharNames(keepLoaded.Source(), std::nullopt, std::nullopt);
        calls.push_back((Now() - start) * 1000.0);
    }
    table.LoadCharNames(names, entities);

    // Every code point, named or in a built-in range, over and over.
    std::size_t characters = 0;
    start = Now();
    for (int pass = 0; pass < kLookUpPasses; ++pass) {
        for (std::int32_t code = 0; code < CharData::kCharCount; ++code) characters += table.GetCharName(code).size();
    }
    const double perCallNs = (Now() - start) * 1e9 / (static_cast<double>(kLookUpPasses) * CharData::kCharCount);

    std::printf("Orlenta name table (%d builds, %d x 65,536 look-ups; %zu characters read)\n", kBuilds,
                kLookUpPasses, characters);
    Report("name table build at start-up (loads GetUName)", first, "ms", kBuildTargetMs);
    Report("name table build, library loaded, median", Median(builds), "ms", kBuildTargetMs);
    Report("  29,292 GetUName calls alone, median", Median(calls), "ms", kBuildTargetMs);
    std::printf("%-44s %9.2f ms   (the system's; no target)\n", "GetUName.dll load alone, median", Median(loads));
    Report("GetCharName per call", perCallNs, "ns", kLookUpTargetNs);
    return 0;
}
