// The glyph pattern shown over the large view for characters that overhang
// their cell or combine with the one before: a 16 x 16 pattern (a frame and
// diagonal lines), copied at the size of the view font in the colour of
// each pattern box.
#include "mainwin/fwMain.h"

#include <algorithm>

#include "common/Geometry.h"

namespace {

constexpr int kModelSize = 16;
constexpr int kFallbackPattern = 16;  // when the view font gives no glyph metrics
constexpr int kMaxPattern = 1024;     // pixels: more than any view shows
constexpr Runtime::OleColor kWhite = 0xFFFFFF;

Runtime::PictureBox& MakeModelBox(fwMain& form, std::vector<std::unique_ptr<Runtime::PictureBox>>& boxes,
                                  Runtime::OleColor fore)
{
    auto& box = *boxes.emplace_back(
        std::make_unique<Runtime::PictureBox>(&form, nullptr, L"pbModel", static_cast<int>(boxes.size())));
    box.SetVisible(false);
    box.SetBorderStyle(0);
    box.Create(-100, -100, kModelSize, kModelSize);
    box.SetAutoRedraw(true);
    box.SetBackColor(kWhite);
    box.SetForeColor(fore);
    return box;
}

} // namespace

void fwMain::CreatePatternModel()
{
    Runtime::PictureBox& model = MakeModelBox(*this, pbModel, 0);
    for (int y = 0; y < kModelSize; ++y)
        for (int x = 0; x < kModelSize; ++x) {
            const bool frame = x == 0 || y == 0 || x == kModelSize - 1 || y == kModelSize - 1;
            const bool diagonal = (x - y) % 4 == 0;
            if (frame || diagonal) model.PSet(x, y, 0);
        }
    model.SetPicture(model.Image());
    MakeModelBox(*this, pbModel, Runtime::ColorButtonFace);
    MakeModelBox(*this, pbModel, Runtime::ColorGrayText);

    // Over the large view's glyph: the pattern stands where the base
    // character would, the overhang or the mark shows round it.
    ibView.SetVisible(false);
    ibView.Create(0, 0, kModelSize, kModelSize);
    SetWindowPos(ibView.hWnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The pattern is as large as the "o" of the view font is high.
void fwMain::SizePatternPictures()
{
    HDC dc = pbView.hDC();
    int size = kFallbackPattern;
    if (dc) {
        GLYPHMETRICS metrics{};
        const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
        if (GetGlyphOutlineW(dc, L'o', GGO_METRICS, &metrics, 0, nullptr, &identity) != GDI_ERROR)
            size = MulDiv(static_cast<int>(metrics.gmBlackBoxY), GetDeviceCaps(dc, LOGPIXELSY), 72);
    }
    size = std::clamp(size, 1, kMaxPattern);
    for (int i = 1; i <= 2; ++i) {
        Runtime::PictureBox& box = *pbModel[i];
        Common::SetSize(box, size, size);
        box.SetPicture(Runtime::Picture());
        box.Cls();
        box.PaintPicture(pbModel[0]->Picture(), 0, 0, box.ScaleWidth(), box.ScaleHeight());
        ReplacePictureColor(box);
    }
    const Runtime::PictureBox& shown = *pbModel[1];
    ibView.Move((pbView.ScaleWidth() - shown.ScaleWidth()) / 2, (pbView.ScaleHeight() - shown.ScaleHeight()) / 2,
                shown.ScaleWidth(), shown.ScaleHeight());
}

// The pattern's black lines take the box's fore colour, and what the box
// shows becomes its picture.
void fwMain::ReplacePictureColor(Runtime::PictureBox& box)
{
    if (!box.AutoRedraw()) box.SetAutoRedraw(true);
    HDC dc = box.hDC();
    if (!dc) return;
    const COLORREF fore = Runtime::ResolveColor(box.ForeColor());
    const int width = box.ScaleWidth(), height = box.ScaleHeight();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (GetPixel(dc, x, y) == 0) SetPixelV(dc, x, y, fore);
    box.SetPicture(box.Image());
}
