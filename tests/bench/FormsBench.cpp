// Times FormatCopyText on a copy text of 10,000 characters in every output
// form, with the system's conversion and the real name table, since the
// preview is rebuilt on every change of the copy box. Prints the median of
// several runs beside the 10 ms target. Run under Wine:
//   build/win/wine-emulator build/win/tests/bench/forms_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/bench/BenchClock.h"
#include "tests/bench/BenchSupport.h"
#include "chardata/CharNameTable.h"
#include "chardata/CodePageList.h"
#include "chardata/FormBytes.h"
#include "chardata/OutputForms.h"

namespace {

constexpr double kTargetMs = 10.0;
constexpr int kRuns = 21;
constexpr std::size_t kCopyLength = 10000;

using Bench::NowMs;
using Bench::SourcePath;

// Characters from all over the plane (ASCII, Latin, Greek, Cyrillic, CJK,
// Hangul, symbols, private use), no surrogates.
std::wstring CopyText()
{
    std::wstring text;
    text.reserve(kCopyLength);
    for (std::size_t i = 0; text.size() < kCopyLength; ++i) {
        unsigned code = static_cast<unsigned>((i * 7919 + 32) % 0xFFFE);
        if (code >= 0xD800 && code <= 0xDFFF) continue;
        text += static_cast<wchar_t>(i % 3 == 0 ? 0x20 + i % 0x5F : code);
    }
    return text;
}

double MedianMs(const std::wstring& copy, const CharData::FormContext& context, std::size_t& bytes)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        double start = NowMs();
        std::string text = CharData::FormatCopyText(copy, context);
        times.push_back(NowMs() - start);
        bytes = text.size();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main()
{
    CharData::CharNameTable names;
    bool library = names.LoadCharNames(SourcePath("resources/CharNames.csv"), SourcePath("resources/Entities.ent"));
    std::printf("FormatCopyText, %zu characters, median of %d runs (names: %s)\n", kCopyLength, kRuns,
                library ? "GetUName and the name file" : "the name file only");
    auto lookUp = [&names](int code) { return std::wstring(names.GetCharName(code)); };
    const std::wstring copy = CopyText();

    struct Row { int format; int codePage; };
    std::vector<Row> rows;
    for (int format = 0; format < CharData::kOutputFormatCount; ++format) {
        if (format == static_cast<int>(CharData::OutputFormat::CodePage)) {
            for (const auto& row : CharData::CodePageList) rows.push_back({format, row.CodePage});
        } else {
            rows.push_back({format, 1252});
        }
    }
    bool allWithin = true;
    for (const Row& r : rows) {
        auto format = static_cast<CharData::OutputFormat>(r.format);
        auto context = CharData::SystemFormContext(format, r.codePage, lookUp);
        std::size_t bytes = 0;
        double ms = MedianMs(copy, context, bytes);
        std::wstring_view caption = CharData::OutputFormatCaption(r.format);
        std::string what(caption.begin(), caption.end());
        char page[16] = "";
        if (format == CharData::OutputFormat::CodePage) std::snprintf(page, sizeof page, "%d", r.codePage);
        std::printf("  %-14s %-6s %8.3f ms  (target %.0f ms)  %8zu bytes  %s\n", what.c_str(), page, ms, kTargetMs,
                    bytes, ms <= kTargetMs ? "ok" : "OVER");
        allWithin = allWithin && ms <= kTargetMs;
    }
    return allWithin ? 0 : 1;
}
