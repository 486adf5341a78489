// The window-hook control on the main window, hooked to the window itself,
// and what the window does with the six messages it hands over: the help
// area of the title bar that starts What's This mode, the normal position
// kept for the placement save, What's This help for menu items and single
// status-bar panels, and no help file while a menu is open. The handler
// never answers in place of the window: RC stays Empty, so the window's own
// procedure always runs after it.
#include "mainwin/fwMain.h"

#include <cmath>

#include "common/StatusBarHelpers.h"
#include "common/Val.h"
#include "runtime/App.h"
#include "runtime/HelpPopup.h"
#include "runtime/WhatsThisMode.h"
#include "runtime/WindowObject.h"

namespace {

// The hook control's class ({D5271525-A808-11D4-87D2-00D0B74CFA04}), its
// events interface ({5127CFEE-49C8-46A6-BDEC-410A129C37CE}) and server file.
const CLSID kLatchetClassId = {0xd5271525, 0xa808, 0x11d4, {0x87, 0xd2, 0x00, 0xd0, 0xb7, 0x4c, 0xfa, 0x04}};
const IID kLatchetEventsId = {0x5127cfee, 0x49c8, 0x46a6, {0xbd, 0xec, 0x41, 0x0a, 0x12, 0x9c, 0x37, 0xce}};
const wchar_t kLatchetServerFile[] = L"Latchet.dll";
const DISPID kMessageEvent = 1;

// The messages the window subscribes to, in this order.
const long kHookMessages[] = {WM_MENUSELECT, WM_EXITMENULOOP, WM_HELP, WM_MOVE, WM_NCLBUTTONDOWN, WM_NCMOUSEMOVE};

long LongArg(const VARIANT& arg)
{
    Runtime::Variant value;
    if (FAILED(VariantCopyInd(value.Put(), const_cast<VARIANT*>(&arg))) || !value.ChangeType(VT_I4)) return 0;
    return V_I4(value.Get());
}

} // namespace

CLSID fwMain::HookClassId = kLatchetClassId;

void fwMain::SubscribeHookMessages()
{
    RECT place{0, 0, 32, 32};
    if (!ucLatchet.Create(HookClassId, kLatchetServerFile, kLatchetEventsId, hWnd(), place, L"ucLatchet")) return;
    // The control works unseen: its face is not part of the window.
    ucLatchet.SetVisible(false);
    ucLatchet.OnEvent([this](DISPID id, DISPPARAMS* params) {
        // Message(nMsg, wPar, lPar, RC): the arguments come last first.
        if (id != kMessageEvent || !params || params->cArgs != 4) return;
        VARIANT* rc = &params->rgvarg[0];
        if (V_VT(rc) == (VT_VARIANT | VT_BYREF)) rc = V_VARIANTREF(rc);
        ucLatchet_Message(LongArg(params->rgvarg[3]), LongArg(params->rgvarg[2]), LongArg(params->rgvarg[1]), *rc);
    });
    Runtime::ComPtr<IDispatch> me(new Runtime::WindowObject(hWnd(), Name()));
    ucLatchet.PutRef(L"HookedObject", me.Get());
    Runtime::Variant ignored;
    ucLatchet.Call(L"Clear", {}, ignored);
    for (long message : kHookMessages) {
        VARIANT number;
        V_VT(&number) = VT_I4;
        V_I4(&number) = message;
        ucLatchet.Call(L"Add", {number}, ignored);
    }
    // In front of the control's hook, to see each WM_HELP first.
    helpInfo_ = std::make_unique<SentHelpInfo>(hWnd());
}

bool fwMain::HitCaptionButton(long point) const
{
    const double x = static_cast<short>(LOWORD(point));
    const double y = static_cast<short>(HIWORD(point));
    RECT window{};
    GetWindowRect(hWnd(), &window);
    const float relativeX = static_cast<float>(x - window.left);
    const float relativeY = static_cast<float>(y - window.top);
    RECT area = CaptionButtonRect; // left, top, width, height
    // The area stays beside the caption buttons, at the right edge: it
    // moves with that edge when the width changes (the mode sets the
    // width after start-up measured the area, and changes it again).
    area.left += (window.right - window.left) - CaptionButtonWidth;
    return area.left <= relativeX && relativeX <= area.left + area.right && area.top <= relativeY &&
           relativeY <= area.top + area.bottom;
}

void fwMain::ucLatchet_Message(long nMsg, long wPar, long lPar, VARIANT& /*RC: never answered*/)
{
    switch (nMsg) {
    case WM_MOVE:
        KeepNormalPosition();
        break;
    case WM_HELP:
        HookedHelp(lPar);
        break;
    case WM_NCMOUSEMOVE:
        if (wPar == HTCAPTION && CaptionButtonArmed) {
            CaptionButtonArmed = false;
            if (HitCaptionButton(lPar)) Runtime::EnterWhatsThisMode(*this);
        }
        break;
    case WM_NCLBUTTONDOWN:
        if (wPar == HTCAPTION) CaptionButtonArmed = HitCaptionButton(lPar);
        break;
    case WM_MENUSELECT:
        // While a menu is open the runtime opens no help by itself; the
        // highlighted item's topic waits in pbAux for F1.
        Runtime::App::SetHelpFile(L"");
        pbAux.WhatsThisHelpID = 0;
        if (const UINT item = LOWORD(static_cast<DWORD>(wPar)))
            if (const Runtime::Menu* menu = Runtime::Menu::MenuItemFromCommand(*this, item))
                pbAux.WhatsThisHelpID = menu->HelpContextID();
        break;
    case WM_EXITMENULOOP:
        Runtime::App::SetHelpFile(HelpPath);
        break;
    default:
        break;
    }
}

// The window's place now (its procedure has not seen the move yet), in
// twips, while it is neither minimised nor maximised.
void fwMain::KeepNormalPosition()
{
    if (WindowState() != Runtime::StateNormal) return;
    RECT window{};
    GetWindowRect(hWnd(), &window);
    FormPlacement.Left = static_cast<std::int32_t>(std::lround(window.left * double(Runtime::TwipsPerPixelX())));
    FormPlacement.Top = static_cast<std::int32_t>(std::lround(window.top * double(Runtime::TwipsPerPixelY())));
}

void fwMain::HookedHelp(long lPar)
{
    Runtime::App::SetHelpFile(HelpPath);
    if (lPar == 0) return;
    const HELPINFO* sent = helpInfo_ ? helpInfo_->Find(lPar) : nullptr;
    if (!sent) return;
    const HELPINFO info = *sent;
    if (info.iContextType == HELPINFO_MENUITEM) {
        // Close the menu, then show the highlighted item's topic.
        EndMenu();
        if (pbAux.WhatsThisHelpID > 0) Runtime::ShowWhatsThis(pbAux);
        pbAux.WhatsThisHelpID = 0;
        return;
    }
    for (size_t i = 0; i < StatusBarHandles.size(); ++i) {
        if (!StatusBarHandles[i] || info.hItemHandle != StatusBarHandles[i]) continue;
        Runtime::StatusBar& bar = *pbStatus[i];
        RECT r{};
        GetWindowRect(StatusBarHandles[i], &r);
        const int number = Common::StatusPanelAt(bar, info.MousePos.x - r.left, false);
        bar.WhatsThisHelpID = number > 0 ? std::lround(Common::Val(bar.Panels()(number).Tag)) : 0;
        Runtime::ShowWhatsThis(bar);
        bar.WhatsThisHelpID = 0;
        return;
    }
}
