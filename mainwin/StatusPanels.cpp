#include "mainwin/StatusPanels.h"

#include <algorithm>

int CheckPanelWidth(int glyph, int textWidth)
{
    return 4 + glyph + 6 + textWidth + 1 + 4;
}

int KeyPanelWidth(int textWidth)
{
    return textWidth + 12;
}

StatusPanelWidths ComputeStatusPanelWidths(int gridWidth, const StatusPanelNeeds& needs)
{
    StatusPanelWidths w;
    w.OnTop = CheckPanelWidth(needs.CheckBoxGlyph, needs.OnTopText);
    int sum = w.OnTop;
    for (int text : needs.KeyTexts) {
        w.Keys.push_back(KeyPanelWidth(text));
        sum += w.Keys.back();
    }
    w.Mode = std::max(gridWidth - sum - 6, CheckPanelWidth(needs.CheckBoxGlyph, needs.ModeText));
    return w;
}
