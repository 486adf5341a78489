#pragma once
// A status bar: a row of panels at the bottom of its form (or placed by
// Move), each a text panel or one that shows a key's toggle state (CAPS,
// NUM, INS, SCRL, KANA) enabled when the key is on and greyed when it is
// off. Bars aligned at the bottom stack in the order they were created: the
// first above the second. hWnd() is the status window itself.
//
// Events: PanelClick and PanelDblClick with the panel under the mouse (none
// for a click beside the panels), Click and DblClick, and the mouse events
// with positions in the bar's client area.
#include "runtime/Control.h"
#include "runtime/KeyedList.h"
#include "runtime/ScopedWindow.h"

namespace Runtime {

class StatusBar;

class Panel {
public:
    enum : int { StyleText = 0, StyleCaps = 1, StyleNum = 2, StyleIns = 3, StyleScrl = 4, StyleKana = 7 };
    enum : int { BevelNone = 0, BevelInset = 1, BevelRaised = 2 };

    int Index() const noexcept { return index_; }           // 1-based
    const std::wstring& Key() const noexcept { return key_; }
    std::wstring Tag;

    int Style() const noexcept { return style_; }
    void SetStyle(int style);                                // error 380 for other styles
    // Pixels; Left is where the panel starts, after the panels before it.
    int Width() const noexcept { return width_; }
    void SetWidth(int width);                                // error 380 below 0
    int Left() const;
    // A key-state panel shows its key's name whatever its text.
    const std::wstring& Text() const noexcept { return text_; }
    void SetText(const std::wstring& text);
    const std::wstring& ToolTipText() const noexcept { return toolTip_; }
    void SetToolTipText(const std::wstring& text);
    int Bevel() const noexcept { return bevel_; }
    void SetBevel(int bevel);                                // error 380 outside 0..2

    // The virtual key a key-state panel shows (0 for a text panel).
    int KeyCode() const noexcept;
    StatusBar& Owner() const noexcept { return owner_; }

private:
    friend class KeyedList<Panel>;
    friend class StatusBar;
    explicit Panel(StatusBar& owner) : owner_(owner) {}

    StatusBar& owner_;
    std::wstring key_;
    int index_ = 0;
    int style_ = StyleText;
    int width_ = 96;
    std::wstring text_;
    std::wstring toolTip_;
    int bevel_ = BevelInset;
};

class StatusBar : public Control {
public:
    enum : int { AlignNone = 0, AlignBottom = 2 };
    static constexpr int DefaultHeight = 20;

    StatusBar(Form* form, Control* container, std::wstring name, int index = -1);
    ~StatusBar() override;
    std::wstring TypeName() const override { return L"StatusBar"; }

    // Creates the window, `height` pixels high: aligned at the bottom of the
    // container as wide as it, or (AlignNone) at 0,0 until moved. Panels
    // added before are shown; when the window is destroyed they go with it.
    void Create(int height = DefaultHeight);

    // AlignBottom (the default) or AlignNone; error 380 otherwise.
    int Align() const noexcept { return align_; }
    void SetAlign(int align);
    // An aligned bar takes only the height from Move; the rest follows the
    // alignment. A bar with AlignNone goes where it is moved.
    void Move(int left, int top, int width, int height) override;
    void SetVisible(bool visible) override;

    class PanelCollection {
    public:
        // Adds a panel at the end; error 35602 for a key that is taken,
        // 380 for a style or width that is not allowed.
        Panel& Add(const std::wstring& key = L"", const std::wstring& text = L"", int width = 96,
                   int style = Panel::StyleText);
        int Count() const noexcept { return list_.Count(); }
        Panel& operator()(int index) const { return list_.At(index); }              // error 35600
        Panel& operator()(const std::wstring& key) const { return list_.ByKey(key); } // error 35601
        Panel* Find(const std::wstring& key) const noexcept { return list_.Find(key); }
        void Clear();
        auto begin() const noexcept { return list_.begin(); }
        auto end() const noexcept { return list_.end(); }

    private:
        friend class StatusBar;
        friend class Panel;
        explicit PanelCollection(StatusBar& owner) : owner_(owner) {}
        StatusBar& owner_;
        KeyedList<Panel> list_;
    };
    PanelCollection& Panels() noexcept { return panels_; }
    const PanelCollection& Panels() const noexcept { return panels_; }

    // The panel that holds the point x of the client area, or null.
    Panel* PanelAtX(int x) const;
    // Repaints the bar now; the key-state panels read the keys again.
    void Refresh();

    std::function<void(Panel& panel)> PanelClick, PanelDblClick;

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    friend class Panel;

    void ShowParts();
    // The parts' right edges only: the bar keeps their texts.
    void ShowWidths();
    void SendPartEdges();
    void ShowText(const Panel& panel);
    void ShowTips();
    void DrawKeyPanel(const DRAWITEMSTRUCT& item);
    unsigned KeyStates() const;
    void AlignInContainer();
    static void AlignBars(HWND parent);
    static LRESULT CALLBACK ContainerProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR refData);

    PanelCollection panels_{*this};
    int align_ = AlignBottom;
    unsigned keyStates_ = 0;
    ScopedWindow tips_;
};

} // namespace Runtime
