#include "chardata/CodePageList.h"

namespace CharData {

const std::array<CodePageRow, 16> CodePageList = {{
    {L"Thai (Windows)", 874, 222},
    {L"Japanese (Windows)", 932, 128},
    {L"Korean (Windows)", 949, 129},
    {L"Korean Johab (Windows)", 1361, 130},
    {L"Chinese Simplified (Windows)", 936, 134},
    {L"Chinese Traditional (Windows)", 950, 136},
    {L"Central European (Windows)", 1250, 238},
    {L"Cyrillic (Windows)", 1251, 204},
    {L"Western European (Windows)", 1252, 0},
    {L"Greek (Windows)", 1253, 161},
    {L"Turkish (Windows)", 1254, 162},
    {L"Hebrew (Windows)", 1255, 177},
    {L"Arabic (Windows)", 1256, 178},
    {L"Baltic (Windows)", 1257, 186},
    {L"Vietnamese (Windows)", 1258, 163},
    {L"Symbol", 42, 2},
}};

} // namespace CharData
