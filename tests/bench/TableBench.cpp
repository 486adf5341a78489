// Times the character table: filling a page with its drawing (FillTable,
// which paints the cell panel before it returns) and selecting a cell
// (tlCell_Click with every detail it refreshes), each the median over many
// pages and cells of the real window with all blocks listed. Prints the
// figures beside the 5 ms and 2 ms targets. Run under Wine:
//   build/win/wine-emulator build/win/tests/bench/table_bench.exe
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "chardata/RangeListView.h"
#include "mainwin/fwMain.h"
#include "runtime/Pump.h"
#include "tests/bench/BenchClock.h"
#include "tests/bench/BenchSupport.h"
#include "tests/bench/ShownMainWindow.h"

namespace {

constexpr double kFillTargetMs = 5.0;
constexpr double kSelectTargetMs = 2.0;
constexpr int kPages = 200;
constexpr int kSelections = 512;

using Bench::Median;
using Bench::NowMs;

} // namespace

int main()
{
    auto window = Bench::ShownMainWindow();
    if (!window) {
        std::printf("start-up refused\n");
        return 1;
    }
    fwMain& main = *window;
    ++main.EventsBusy;
    main.chRange.SetValue(1);
    --main.EventsBusy;
    main.chRange_Click();
    main.pbTable.SetFocus();
    Runtime::DoEvents();

    // Pages spread over the whole plane, each from its block's list item.
    std::vector<double> fills;
    for (int i = 0; i < kPages; ++i) {
        const std::int32_t code = static_cast<std::int32_t>((static_cast<long long>(i) * 0xFFFF / kPages) & ~0xF);
        main.BlockFirst = CharData::FindRangeIndex(code, main.lvRange).value_or(0);
        double start = NowMs();
        main.FillTable(code);
        fills.push_back(NowMs() - start);
        Runtime::DoEvents();
    }

    // Cells of a page of Latin letters with entities and of a CJK page.
    std::vector<double> selections;
    for (std::int32_t page : {0x00, 0x2200, 0x4E00}) {
        main.BlockFirst = CharData::FindRangeIndex(page, main.lvRange).value_or(0);
        main.FillTable(page);
        Runtime::DoEvents();
        for (int i = 0; i < kSelections / 3; ++i) {
            int cell = (i * 37) % 256;
            double start = NowMs();
            main.tlCell_Click(cell);
            selections.push_back(NowMs() - start);
        }
        Runtime::DoEvents();
    }

    std::printf("page fill with drawing (FillTable), median of %d pages: %.2f ms (max %.2f ms); target %.0f ms\n",
                kPages, Median(fills), *std::max_element(fills.begin(), fills.end()), kFillTargetMs);
    std::printf("cell selection (tlCell_Click), median of %zu cells: %.2f ms (max %.2f ms); target %.0f ms\n",
                selections.size(), Median(selections), *std::max_element(selections.begin(), selections.end()),
                kSelectTargetMs);
    window->Unload();
    Runtime::DoEvents();
    return 0;
}
