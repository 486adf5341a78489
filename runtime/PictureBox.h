#pragma once
// A picture box: a child window that shows a picture, takes drawing
// (Print, Line, PSet, PaintPicture) and can hold other controls (a panel).
//
// With AutoRedraw the box keeps a persistent image, a memory DC with a
// bitmap the size of its client area: drawing goes into the image, and the
// window is repainted from it. Without AutoRedraw drawing goes straight to
// the window (its own DC) and Paint is raised whenever the window needs
// painting. The DC given out as hDC always holds the box's font, ForeColor
// as text colour, and a transparent text background, as the program's API
// calls on it expect. All lengths are pixels of the client area.
#include "runtime/ClickableControl.h"
#include "runtime/PersistentImage.h"
#include "runtime/Picture.h"

namespace Runtime {

class PictureBox : public ClickableControl {
public:
    PictureBox(Form* form, Control* container, std::wstring name, int index = -1);
    std::wstring TypeName() const override { return L"PictureBox"; }
    void Create(int left, int top, int width, int height);

    // 0 none, 1 fixed single (the default); any other value is the invalid-property error.
    int BorderStyle() const noexcept { return borderStyle_; }
    void SetBorderStyle(int style);
    // 0 flat, 1 3D (the default): how a single border is drawn.
    int Appearance() const noexcept { return appearance_; }
    void SetAppearance(int appearance);
    // Whether Tab stops on the box; a click gives it the focus either way.
    bool TabStop() const noexcept { return tabStop_; }
    void SetTabStop(bool tabStop);

    bool AutoRedraw() const noexcept { return autoRedraw_; }
    // Turning it on makes the image from the back colour and the picture.
    void SetAutoRedraw(bool autoRedraw);

    // The persistent image's DC with AutoRedraw, else the window's own DC;
    // null before the window exists.
    HDC hDC() const noexcept;
    // The persistent image's bitmap (null without AutoRedraw). It stays
    // selected in hDC; a caller may select another bitmap in for a moment.
    HBITMAP ImageBitmap() const noexcept { return image_.Bitmap(); }
    // A picture of its own holding a copy of what the box keeps: the
    // persistent image, or without AutoRedraw the back colour and picture.
    Runtime::Picture Image() const;

    const Runtime::Picture& Picture() const noexcept { return picture_; }
    // Shows the picture at the top-left corner, under all drawing: the box
    // is cleared to the back colour with the new picture on it.
    void SetPicture(const Runtime::Picture& picture);

    void SetBackColor(OleColor color) override; // clears the box
    void SetForeColor(OleColor color) override;

    // Clears drawing and text: back colour and picture remain; CurrentX and
    // CurrentY go back to 0.
    void Cls();
    // Draws text at CurrentX, CurrentY in the box's font and ForeColor.
    // Each line break starts a new line at x 0. With `newLine` the print
    // ends on the next line; without, CurrentX stays after the text.
    void Print(const std::wstring& text, bool newLine = true);
    int CurrentX() const noexcept { return currentX_; }
    int CurrentY() const noexcept { return currentY_; }
    void SetCurrentX(int x) noexcept { currentX_ = x; }
    void SetCurrentY(int y) noexcept { currentY_ = y; }
    // Extent of the text in the box's font: the widest line, all lines' height.
    int TextWidth(const std::wstring& text) const;
    int TextHeight(const std::wstring& text) const;

    // The colour argument that means "the ForeColor".
    static constexpr OleColor DefaultColor = 0xFFFFFFFFu;
    enum LineShape : int { LineOnly = 0, LineBox = 1, LineBoxFilled = 2 };
    // A line from x1, y1 to x2, y2 (the end point is not drawn), or the box
    // with these corners (both included), outlined or filled. CurrentX and
    // CurrentY move to x2, y2.
    void Line(int x1, int y1, int x2, int y2, OleColor color = DefaultColor, int shape = LineOnly);
    // Sets one pixel; CurrentX and CurrentY move to it.
    void PSet(int x, int y, OleColor color = DefaultColor);
    // The colour of a pixel, -1 outside the box.
    long Point(int x, int y) const;
    // Draws a picture at x, y: its own size, or stretched to width x height.
    void PaintPicture(const Runtime::Picture& picture, int x, int y, int width = 0, int height = 0);

    int ScaleWidth() const;
    int ScaleHeight() const;
    // Repaints the window now.
    void Refresh();

    std::function<void()> Paint, Resize;

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void ApplyFrameStyle();
    // The styles that give the window the frame of BorderStyle and Appearance.
    DWORD FrameStyle() const noexcept;
    DWORD FrameExStyle() const noexcept;
    // The DC that drawing goes to; after drawing, Drawn() shows it.
    HDC TargetDC() const noexcept { return hDC(); }
    void Drawn();
    // Sets the font, text colour and text background of a DC of the box.
    void PrepareDC(HDC dc) const;
    // Fills a DC with the back colour and the picture.
    void PaintBackground(HDC dc, int width, int height) const;
    void SyncImageSize();
    void OnPaint();

    int borderStyle_ = 1;
    int appearance_ = 1;
    bool tabStop_ = true;
    bool autoRedraw_ = false;
    // The window's own DC (the class gives each box one), once asked for.
    HDC WindowDC() const noexcept;
    mutable HDC windowDc_ = nullptr;
    HFONT font_ = nullptr;
    PersistentImage image_;
    Runtime::Picture picture_;
    int currentX_ = 0, currentY_ = 0;
};

} // namespace Runtime
