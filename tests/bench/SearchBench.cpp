// Times the two searches of the search box over the real name table: a name
// search that tests every name of the plane and finds nothing, and an
// entity search. Prints each figure beside its target. Run under Wine:
//   build/win/wine-emulator build/win/tests/bench/search_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/bench/BenchClock.h"
#include "tests/bench/BenchSupport.h"
#include "chardata/CharNameTable.h"
#include "chardata/EntitySearch.h"
#include "chardata/NameSearch.h"

namespace {

constexpr double kNameSearchTargetMs = 2.0;
constexpr double kEntitySearchTargetMs = 0.1;
constexpr int kRuns = 101;

using Bench::Median;
using Bench::SourcePath;

void Report(const char* what, double value, double target)
{
    std::printf("%-46s %9.4f ms   (target %.1f ms)  %s\n", what, value, target, value <= target ? "ok" : "OVER");
}

} // namespace

int main()
{
    CharData::CharNameTable table;
    if (!table.LoadCharNames(SourcePath("resources/CharNames.csv"), SourcePath("resources/Entities.ent"))) {
        std::printf("GetUName.dll is not installed in the system folder\n");
        return 1;
    }
    if (table.Record(0x26).Entity.empty()) {
        std::printf("cannot read the entity file below %s\n", ORLENTA_SOURCE_DIR);
        return 1;
    }

    // Two words, the second never found: every name is read to its end.
    std::vector<double> names;
    bool foundNothing = true;
    for (int i = 0; i < kRuns; ++i) {
        const double start = Bench::NowMs();
        const CharData::NameQuery query(L"LATIN QZXJ");
        foundNothing = !CharData::FindName(table, query, 0, 0xFFFF) && foundNothing;
        names.push_back(Bench::NowMs() - start);
    }

    // The index is made once, at the first entity search of a run.
    double start = Bench::NowMs();
    const CharData::EntityIndex index(table);
    const double indexMs = Bench::NowMs() - start;
    std::vector<double> entities;
    bool found = true;
    for (int i = 0; i < kRuns; ++i) {
        start = Bench::NowMs();
        const std::optional<std::wstring> name = CharData::EntitySearchName(L"&NonBreakingSpace;");
        found = name && index.Find(*name, 0, 0xFFFF) == 0xA0 && found;
        entities.push_back(Bench::NowMs() - start);
    }

    std::printf("Orlenta search (%d runs each; the name search %s, the entity search %s)\n", kRuns,
                foundNothing ? "found nothing" : "FOUND SOMETHING", found ? "found U+00A0" : "MISSED U+00A0");
    Report("name search over U+0000..U+FFFF, median", Median(names), kNameSearchTargetMs);
    Report("name search, the first of the run", names.front(), kNameSearchTargetMs);
    std::vector<double> sorted = names;
    std::sort(sorted.begin(), sorted.end());
    Report("name search, 90th percentile", sorted[sorted.size() * 9 / 10], kNameSearchTargetMs);
    Report("entity search, median", Median(entities), kEntitySearchTargetMs);
    std::printf("%-46s %9.4f ms   (once per run; no target)\n", "entity index at the first entity search", indexMs);
    return 0;
}
