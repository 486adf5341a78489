#pragma once
// The About window: the legal and version texts, links to the maker's site
// and support mail, the update check through the hosted update control,
// and a sliding-letter puzzle at the top. Modal; it closes with Esc or its
// Close button and stays above other windows exactly when the main window does.
#include <array>
#include <memory>
#include <vector>

#include "about/LinkBox.h"
#include "about/PuzzleTile.h"
#include "runtime/Buttons.h"
#include "runtime/Form.h"
#include "runtime/HostedControl.h"
#include "runtime/Image.h"
#include "runtime/PictureBox.h"

class fwAbout : public Runtime::Form {
public:
    fwAbout();

    // 1 when the main window is always on top, else 0; set before showing.
    int OnTop = 0;

    // The update control's class, its server file and its events.
    static const CLSID UpdateClassId;
    static const IID UpdateEventsId;
    static constexpr const wchar_t* UpdateServerFile = L"Sendrel.dll";

    Runtime::Label tlAbout;
    Runtime::Label tlVersion;
    LinkBox tlSite;
    LinkBox tlMail;
    Runtime::Label tlUpdate;
    Runtime::CommandButton bbUpdate;
    LinkBox tlRights;
    Runtime::CommandButton bbClose;
    Runtime::HostedControl ucUpdate;

    // The puzzle.
    static constexpr int Rows = 5;
    static constexpr int Columns = 12;
    static constexpr int TileSize = 22;
    Runtime::PictureBox pbTable;
    std::vector<std::unique_ptr<PuzzleTile>> tlCell;
    Runtime::Image ibTable;
    Runtime::TimerControl toTable;
    // The arrow pointers by direction: 1 left, 2 up, 3 right, 4 down (0 unused).
    std::array<HCURSOR, 5> ibMouseIcon{};
    // Grid[r][c], 1-based as the tiles' Tags: the tile now at row r, column c.
    std::array<std::array<int, Columns + 1>, Rows + 1> Grid{};

    // 0 when tile `index` does not touch the hole; else where the hole lies
    // as seen from it (1 left, 2 up, 3 right, 4 down), with the hole's tile
    // in `hole` (-1 when none).
    int FindHole(int index, int& hole) const;
    void tlCell_Click(int index);
    void tlCell_MouseMove(int index);
    void toTable_Timer();
    void bbUpdate_Click();
    void bbClose_Click();
    void tlRights_Click();

protected:
    void CreateControls() override;
    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_Unload(int& cancel) override;

private:
    void CreatePuzzle();
    void BuildTable();
    void ArrangeControls();
    void CreateUpdateControl();

    int hintFrame_ = 0;
    // The update checks running now: a click during one can start another
    // inside it (the check processes window messages), after a cancel.
    int checks_ = 0;
};
