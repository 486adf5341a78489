#pragma once
// One tile of the About window's letter puzzle: a centred label with a
// special effect (1 raised, 0 flat; the flat tile is the hole).
#include "runtime/Label.h"

class PuzzleTile : public Runtime::Label {
public:
    using Label::Label;
    void Create(int left, int top, int size, const std::wstring& caption);

    int SpecialEffect() const noexcept { return specialEffect_; }
    void SetSpecialEffect(int effect);

private:
    int specialEffect_ = 1;
};
