// The two empty-cell pictures of the character table, shown by a cell that
// has no character to show (an unassigned code point, one the font does not
// cover, a code point before the listed blocks). Each picture box pbEmpty(i)
// holds a hatch of diagonal lines, black on white, drawn with the window;
// at start-up the lines take the box's fore colour and the box's image
// becomes the picture ibEmpty(i) with its white transparent, so that a cell
// shows its own back colour through it.
#include "mainwin/fwMain.h"

#include "common/IconPicture.h"

namespace {

constexpr int kCellSize = 22;
constexpr int kHatchPitch = 6;
constexpr Runtime::OleColor kWhite = 0xFFFFFF;
// (0) goes with the window and highlight colours, (1) with the button face.
constexpr Runtime::OleColor kHatchColors[] = {Runtime::ColorGrayText, Runtime::ColorButtonShadow};

} // namespace

void fwMain::CreateEmptyCellBoxes()
{
    for (Runtime::OleColor color : kHatchColors) {
        auto& box = *pbEmpty.emplace_back(
            std::make_unique<Runtime::PictureBox>(this, nullptr, L"pbEmpty", static_cast<int>(pbEmpty.size())));
        box.SetVisible(false);
        box.SetBorderStyle(0);
        box.Create(-100, -100, kCellSize, kCellSize);
        box.SetAutoRedraw(true);
        box.SetBackColor(kWhite);
        box.SetForeColor(color);
        // Lines rising to the right, one every kHatchPitch pixels: the
        // pixels whose x + y is one less than a multiple of the pitch.
        for (int sum = kHatchPitch - 1; sum <= 2 * (kCellSize - 1); sum += kHatchPitch) {
            const int x1 = sum < kCellSize ? 0 : sum - (kCellSize - 1);
            const int x2 = sum < kCellSize ? sum : kCellSize - 1;
            box.Line(x1, sum - x1, x2 + 1, sum - x2 - 1, 0); // the end point is not drawn
        }
    }
}

void fwMain::MakeEmptyCellPictures()
{
    for (std::size_t i = 0; i < ibEmpty.size() && i < pbEmpty.size(); ++i) {
        Runtime::PictureBox& box = *pbEmpty[i];
        ReplacePictureColor(box);
        Runtime::ComPtr<IPicture> picture =
            Common::BitmapToPicture(box.hDC(), box.ScaleWidth(), box.ScaleHeight(), RGB(255, 255, 255));
        ibEmpty[i] = Runtime::Picture::FromIPicture(picture.Get());
    }
}
