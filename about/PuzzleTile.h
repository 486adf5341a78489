#pragma once
// One tile of the About window's letter puzzle: a centred label with a
// special effect (1 raised, 0 flat; the flat tile is the hole) and a mouse
// icon that the puzzle box copies.
#include "runtime/Label.h"

class PuzzleTile : public Runtime::Label {
public:
    using Label::Label;
    void Create(int left, int top, int size, const std::wstring& caption);

    int SpecialEffect() const noexcept { return specialEffect_; }
    void SetSpecialEffect(int effect);

    HCURSOR MouseIcon() const noexcept { return mouseIcon_; }
    void SetMouseIcon(HCURSOR icon);

private:
    int specialEffect_ = 1;
    HCURSOR mouseIcon_ = nullptr;
};
