#include "runtime/ComboColumns.h"

namespace Runtime {

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring Trim(const std::wstring& s)
{
    size_t a = 0, b = s.size();
    while (a < b && IsBlank(s[a])) ++a;
    while (b > a && IsBlank(s[b - 1])) --b;
    return s.substr(a, b - a);
}

// A decimal number of points, optionally followed by "pt".
std::optional<double> ParsePoints(std::wstring s)
{
    if (s.size() >= 2 && (s[s.size() - 2] == L'p' || s[s.size() - 2] == L'P') &&
        (s.back() == L't' || s.back() == L'T'))
        s = Trim(s.substr(0, s.size() - 2));
    if (s.empty()) return std::nullopt;
    double value = 0, scale = 0;
    for (wchar_t c : s) {
        if (c == L'.' && scale == 0) {
            scale = 1;
        } else if (c >= L'0' && c <= L'9') {
            if (scale == 0) {
                value = value * 10 + (c - L'0');
            } else {
                scale /= 10;
                value += (c - L'0') * scale;
            }
        } else {
            return std::nullopt;
        }
        if (value > 100000) return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<std::vector<double>> ParseColumnWidths(const std::wstring& text)
{
    std::vector<double> widths;
    if (Trim(text).empty()) return widths;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(L';', start);
        std::wstring part = Trim(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        if (part.empty() || part == L"-1") {
            widths.push_back(-1);
        } else if (auto points = ParsePoints(part)) {
            widths.push_back(*points);
        } else {
            return std::nullopt;
        }
        if (end == std::wstring::npos) break;
        start = end + 1;
    }
    return widths;
}

std::vector<int> ColumnPixelWidths(const std::vector<double>& points, int count, int total, int pixelsPerInch)
{
    std::vector<int> widths(static_cast<size_t>(count), -1);
    int given = 0, open = 0;
    for (int c = 0; c < count; ++c) {
        double p = c < static_cast<int>(points.size()) ? points[static_cast<size_t>(c)] : -1;
        if (p < 0) {
            ++open;
            continue;
        }
        widths[static_cast<size_t>(c)] = static_cast<int>(p * pixelsPerInch / 72 + 0.5);
        given += widths[static_cast<size_t>(c)];
    }
    int share = open ? (total > given ? (total - given) / open : 0) : 0;
    for (int& w : widths)
        if (w < 0) w = share;
    return widths;
}

void DrawColumns(HDC dc, const RECT& row, const std::vector<std::wstring>& cells, const std::vector<int>& widths)
{
    int x = row.left;
    for (size_t c = 0; c < widths.size() && x < row.right; ++c) {
        int w = widths[c];
        if (w <= 0) continue;
        RECT cell{x + 2, row.top, x + w - 1, row.bottom};
        if (c + 1 == widths.size() || x + w >= row.right) cell.right = row.right - 1;
        if (c < cells.size() && cell.right > cell.left)
            DrawTextW(dc, cells[c].c_str(), static_cast<int>(cells[c].size()), &cell,
                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT);
        x += w;
    }
}

} // namespace Runtime
