#pragma once
// A scroll bar, vertical or horizontal, offered under the type name
// "FlatScrollBar" (the kind the program's table uses; it is drawn as a
// standard scroll bar). Values are 16-bit: Min and Max in -32768..32767,
// Min may be above Max (the bar then runs the other way).
//
// Change is raised once for every change of Value: a line or page click,
// the end of a thumb drag, or a change made by the program. Scroll is
// raised while the thumb is dragged, with Value following the thumb; the
// release then raises Change once, even if the thumb came back to where it
// started, so that a drag always ends with a Change.
#include "runtime/Control.h"

namespace Runtime {

class ScrollBar : public Control {
public:
    enum Orientation : int { Vertical = 0, Horizontal = 1 };

    ScrollBar(Form* form, Control* container, std::wstring name, int index = -1);
    std::wstring TypeName() const override { return L"FlatScrollBar"; }
    void Create(int left, int top, int width, int height, int orientation = Vertical);

    int Min() const noexcept { return min_; }
    int Max() const noexcept { return max_; }
    int Value() const noexcept { return value_; }
    int SmallChange() const noexcept { return smallChange_; }
    int LargeChange() const noexcept { return largeChange_; }
    // A new range moves a Value outside it to the nearest end (a change).
    void SetMin(int min);
    void SetMax(int max);
    // A value outside Min..Max is the invalid-property error.
    void SetValue(int value);
    // 1..32767; anything else is the invalid-property error.
    void SetSmallChange(int change);
    void SetLargeChange(int change);

    std::function<void()> Change, Scroll;

protected:
    bool OnReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    int Low() const noexcept { return min_ <= max_ ? min_ : max_; }
    int High() const noexcept { return min_ <= max_ ? max_ : min_; }
    int Clamp(int value) const noexcept;
    // Positions of the system bar run 0..|Max - Min| from the Min end.
    int ToPosition(int value) const noexcept;
    int FromPosition(int position) const noexcept;
    void ShowRange();
    // Sets `end` (min_ or max_) to `to`; the value moves into the new range.
    void SetEnd(int& end, int to);
    void ShowValue();
    // Moves to `value` (clamped) and raises Change when it differs.
    void MoveTo(int value);

    int min_ = 0, max_ = 32767, value_ = 0;
    int smallChange_ = 1, largeChange_ = 1;
    bool draggedAway_ = false;
};

} // namespace Runtime
