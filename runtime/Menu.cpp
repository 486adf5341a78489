#include "runtime/Menu.h"

#include <algorithm>

#include "runtime/Form.h"

namespace Runtime {

namespace {

PopupChooser& Chooser()
{
    static PopupChooser chooser;
    return chooser;
}

// A system menu that destroys itself (and its submenus).
class ScopedMenu {
public:
    explicit ScopedMenu(HMENU menu) noexcept : menu_(menu) {}
    ~ScopedMenu() { if (menu_) DestroyMenu(menu_); }
    ScopedMenu(const ScopedMenu&) = delete;
    ScopedMenu& operator=(const ScopedMenu&) = delete;
    HMENU Get() const noexcept { return menu_; }
    HMENU Release() noexcept { return std::exchange(menu_, nullptr); }
private:
    HMENU menu_;
};

// Appends the visible items of `menu` to `target`; the number appended.
int AppendItems(HMENU target, const Menu& menu)
{
    int count = 0;
    for (const Menu* item : menu.Items()) {
        if (!item->Visible()) continue;
        if (item->IsSeparator()) {
            AppendMenuW(target, MF_SEPARATOR, 0, nullptr);
            ++count;
            continue;
        }
        UINT flags = MF_STRING;
        if (!item->Enabled()) flags |= MF_GRAYED;
        if (item->Checked()) flags |= MF_CHECKED;
        bool appended = false;
        if (!item->Items().empty()) {
            ScopedMenu sub(CreatePopupMenu());
            if (sub.Get() && AppendItems(sub.Get(), *item) > 0) {
                appended = AppendMenuW(target, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Get()),
                                       item->Caption().c_str());
                if (appended) sub.Release(); // the parent menu owns it now
            }
        }
        if (!appended) AppendMenuW(target, flags, item->CommandId(), item->Caption().c_str());
        ++count;
    }
    return count;
}

} // namespace

Menu::Menu(Form* form, Menu* parent, std::wstring name, int index, std::wstring caption)
    : Control(form, parent, std::move(name), index), parent_(parent), caption_(std::move(caption))
{
    if (!parent_) return;
    auto& siblings = parent_->items_;
    auto at = siblings.end();
    if (IsArrayMember()) {
        // After the last element of the same array, when there is one.
        auto last = std::find_if(siblings.rbegin(), siblings.rend(),
                                 [&](const Menu* m) { return m->Name() == Name() && m->IsArrayMember(); });
        if (last != siblings.rend()) at = last.base();
    }
    siblings.insert(at, this);
}

Menu::~Menu()
{
    for (Menu* item : items_) item->parent_ = nullptr;
    if (parent_) {
        auto& siblings = parent_->items_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

UINT Menu::CommandId() const
{
    if (!ParentForm()) return 0;
    UINT n = 0;
    for (Control* c : ParentForm()->Controls()) {
        if (c->TypeName() == L"Menu") ++n;
        if (c == this) return n;
    }
    return 0;
}

Menu* Menu::MenuItemFromCommand(Form& form, UINT command)
{
    UINT n = 0;
    for (Control* c : form.Controls()) {
        if (c->TypeName() != L"Menu") continue;
        if (++n == command) return dynamic_cast<Menu*>(c);
    }
    return nullptr;
}

void Menu::Popup(Form& form, POINT screen)
{
    HWND owner = form.hWnd();
    if (!owner) return;
    ScopedMenu popup(CreatePopupMenu());
    if (!popup.Get() || AppendItems(popup.Get(), *this) == 0) return;
    UINT command = 0;
    if (Chooser()) {
        command = Chooser()(popup.Get(), owner);
    } else {
        // The owner must be the foreground window for the menu to close
        // when the user clicks elsewhere.
        SetForegroundWindow(owner);
        const UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN;
        command = static_cast<UINT>(TrackPopupMenu(popup.Get(), flags, screen.x, screen.y, 0, owner, nullptr));
        PostMessageW(owner, WM_NULL, 0, 0);
    }
    Menu* chosen = command ? MenuItemFromCommand(form, command) : nullptr;
    // Only an item that was offered can be chosen.
    if (!chosen || !chosen->Enabled() || !chosen->Visible() || chosen->IsSeparator() || !chosen->Items().empty())
        return;
    auto click = chosen->Click; // a copy: the handler may unload the item
    Fire(click);
}

void PopupMenu(Form& form, Menu& menu)
{
    POINT p{};
    GetCursorPos(&p);
    menu.Popup(form, p);
}

void PopupMenu(Form& form, Menu& menu, int x, int y)
{
    POINT p{x, y};
    if (form.hWnd()) ClientToScreen(form.hWnd(), &p);
    menu.Popup(form, p);
}

PopupChooser SetPopupChooser(PopupChooser chooser)
{
    PopupChooser old = std::move(Chooser());
    Chooser() = std::move(chooser);
    return old;
}

} // namespace Runtime
