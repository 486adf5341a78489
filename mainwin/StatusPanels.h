#pragma once
// The widths of the panels of the lower status bar. The "Mode" panel gets
// what the table width leaves after the panels that follow it, but never
// less than the check box it carries needs; every panel is at least as wide
// as its text (and the "OnTop" panel as its check box).
#include <vector>

struct StatusPanelNeeds {
    int CheckBoxGlyph = 13;     // width of a check box's box
    int ModeText = 0;           // text widths in the window's font
    int OnTopText = 0;
    std::vector<int> KeyTexts;  // CAPS, SCRL, NUM, INS, KANA
};

struct StatusPanelWidths {
    int Mode = 0;
    int OnTop = 0;
    std::vector<int> Keys;
};

// The room a check box seated on a panel needs: 4 pixels at the left, the
// box, a gap, its text, and 1 pixel at the right.
int CheckPanelWidth(int glyph, int textWidth);

// The room of a key-state panel: its text and the panel's borders.
int KeyPanelWidth(int textWidth);

StatusPanelWidths ComputeStatusPanelWidths(int gridWidth, const StatusPanelNeeds& needs);
