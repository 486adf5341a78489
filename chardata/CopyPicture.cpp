#include "chardata/CopyPicture.h"

#include <vector>

#include "common/Geometry.h"

namespace CharData {

namespace {

// Where one character goes in the picture: its cell's width, how far right
// of the cell's left edge it is drawn, and the line height.
struct Cell {
    int Width = 0;
    int Offset = 0;
    int Height = 0;
};

Cell MeasureCell(HDC dc, wchar_t c)
{
    SIZE extent{};
    GetTextExtentPoint32W(dc, &c, 1, &extent);
    Cell cell;
    cell.Height = extent.cy;
    cell.Width = extent.cx;
    ABC abc{};
    // Fonts that are not TrueType have no ABC widths: the advance is all.
    if (GetCharABCWidthsW(dc, c, c, &abc)) {
        int a = abc.abcA < 0 ? -abc.abcA : abc.abcA;
        int b = static_cast<int>(abc.abcB);
        int cw = abc.abcC < 0 ? -abc.abcC : abc.abcC;
        if (a + b + cw > cell.Width) cell.Width = a + b + cw;
        if (abc.abcA < 0) cell.Offset = a;
    }
    return cell;
}

bool FitsPicture(long long width, long long height)
{
    return width <= kMaxPictureSize && height <= kMaxPictureSize && width * height <= kMaxPicturePixels;
}

// Sizes the box so that its inner area is width x height pixels.
void SizeInnerArea(Runtime::PictureBox& box, int width, int height)
{
    int borderX = box.Width() - box.ScaleWidth(), borderY = box.Height() - box.ScaleHeight();
    Common::SetSize(box, width + borderX, height + borderY);
}

void DrawAt(Runtime::PictureBox& box, wchar_t c, int x)
{
    TextOutW(box.hDC(), x, 0, &c, 1);
}

// The box's drawing becomes its picture, so later resizes keep it.
void KeepDrawing(Runtime::PictureBox& box)
{
    box.SetPicture(box.Image());
}

void Prepare(Runtime::PictureBox& box)
{
    if (!box.AutoRedraw()) box.SetAutoRedraw(true);
}

} // namespace

bool DrawCopyPicture(Runtime::PictureBox& pbCopy, int code, int x, int& newX)
{
    newX = x;
    if (code < 0 || code > 0xFFFF || x < 0 || !pbCopy.hWnd()) return false;
    Prepare(pbCopy);
    wchar_t c = static_cast<wchar_t>(code);
    Cell cell = MeasureCell(pbCopy.hDC(), c);
    if (!FitsPicture(static_cast<long long>(x) + cell.Width, cell.Height)) return false;
    SizeInnerArea(pbCopy, x + cell.Width, cell.Height);
    if (x == 0) pbCopy.SetPicture(Runtime::Picture());
    DrawAt(pbCopy, c, x + cell.Offset);
    KeepDrawing(pbCopy);
    newX = pbCopy.ScaleWidth();
    return true;
}

ClipboardResult CopyPicture(Runtime::PictureBox& pbCopy, std::wstring_view text, const ClipboardWait& wait)
{
    ClipboardResult refused;
    refused.Outcome = ClipboardOutcome::Refused;
    if (text.empty() || !pbCopy.hWnd()) return refused;
    Prepare(pbCopy);

    // Measure everything first: the box is sized once, and a picture that
    // would be too large is refused before any bitmap is made.
    std::vector<Cell> cells;
    cells.reserve(text.size() < 4096 ? text.size() : 4096);
    long long width = 0;
    int height = 0;
    for (wchar_t c : text) {
        Cell cell = MeasureCell(pbCopy.hDC(), c);
        width += cell.Width;
        if (cell.Height > height) height = cell.Height;
        if (!FitsPicture(width, height)) {
            if (wait.Message) wait.Message(kPictureTooLargeMessage);
            return refused;
        }
        cells.push_back(cell);
    }

    SizeInnerArea(pbCopy, static_cast<int>(width), height);
    pbCopy.SetPicture(Runtime::Picture());
    int x = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        DrawAt(pbCopy, text[i], x + cells[i].Offset);
        x += cells[i].Width;
    }
    KeepDrawing(pbCopy);
    return SetClipboardPicture(pbCopy.Picture(), wait);
}

} // namespace CharData
