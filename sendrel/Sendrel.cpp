#include "sendrel/Sendrel.h"

#include "common/AboutBox.h"
#include "common/ModuleVersion.h"
#include "common/Version.h"
#include "runtime/ComVariant.h"
#include "runtime/OutArgument.h"
#include "runtime/PropertyBag.h"
#include "sendrel/CheckForUpdate.h"

namespace {

// The dispatch ids of the properties, for the host's change notes.
enum : DISPID {
    kVersionId = 0x68030001,
    kSaveStyleId = 0x68030002,
    kRemotePathId = 0x68030003,
    kLocalVersionId = 0x68030004,
    kLocalPathId = 0x68030005,
    kAutoCheckId = 0x68030006,
};

// Whether an optional Variant argument was given.
bool Given(const VARIANT* argument)
{
    return argument && !(V_VT(argument) == VT_ERROR && V_ERROR(argument) == DISP_E_PARAMNOTFOUND);
}

} // namespace

Sendrel::Sendrel()
    : DualControl(CLSID_Sendrel, DIID___Sendrel, IID__Sendrel),
      toUpdate_(1000, [this] { toUpdate_Timer(); })
{
    // The timer is on in the control's design: a new control checks by
    // itself until its host turns AutoCheck off.
    toUpdate_.SetEnabled(true);
}

HRESULT Sendrel::LetText(std::wstring& field, BSTR value, DISPID id)
{
    field = Runtime::BstrText(value);
    PropertyChanged(id);
    return S_OK;
}

STDMETHODIMP Sendrel::get_AutoCheck(VARIANT_BOOL* value) { return Runtime::OutFlag(toUpdate_.Enabled(), value); }

STDMETHODIMP Sendrel::put_AutoCheck(VARIANT_BOOL value)
{
    toUpdate_.SetEnabled(value != VARIANT_FALSE);
    PropertyChanged(kAutoCheckId);
    return S_OK;
}

STDMETHODIMP Sendrel::get_LocalPath(BSTR* value) { return Runtime::OutText(localPath_, value); }

STDMETHODIMP Sendrel::put_LocalPath(BSTR value) { return LetText(localPath_, value, kLocalPathId); }

STDMETHODIMP Sendrel::get_LocalVersion(BSTR* value) { return Runtime::OutText(localVersion_, value); }

STDMETHODIMP Sendrel::put_LocalVersion(BSTR value) { return LetText(localVersion_, value, kLocalVersionId); }

STDMETHODIMP Sendrel::get_RemotePath(BSTR* value) { return Runtime::OutText(remotePath_, value); }

STDMETHODIMP Sendrel::put_RemotePath(BSTR value) { return LetText(remotePath_, value, kRemotePathId); }

STDMETHODIMP Sendrel::get_SaveStyle(SaveStyleConst* value)
{
    if (!value) return E_POINTER;
    *value = static_cast<SaveStyleConst>(saveStyle_);
    return S_OK;
}

STDMETHODIMP Sendrel::put_SaveStyle(SaveStyleConst value)
{
    saveStyle_ = value;
    PropertyChanged(kSaveStyleId);
    return S_OK;
}

STDMETHODIMP Sendrel::get_Version(BSTR* value)
{
    Common::ModuleVersion version(Runtime::ComServer::Module());
    return Runtime::OutText(Common::FormatVersion(0, version.Major(), version.Minor(), version.Revision()), value);
}

STDMETHODIMP Sendrel::AboutBox()
{
    return Runtime::Guarded(L"Sendrel", [] {
        Common::AboutText(Runtime::ComServer::Module());
        return S_OK;
    });
}

STDMETHODIMP Sendrel::Cancel()
{
    ++cancels_;
    return S_OK;
}

STDMETHODIMP Sendrel::Close(DWORD saveOption)
{
    ++cancels_;
    return DualControl::Close(saveOption);
}

STDMETHODIMP Sendrel::CheckForUpdate(VARIANT* sVersion, VARIANT* nSize, short* result)
{
    if (!result) return E_POINTER;
    // The check processes window messages: the host may let go of the
    // control meanwhile, so it holds itself until the check is over.
    AddRef();
    Runtime::ComPtr<IUnknown> self(static_cast<IOleObject*>(this));
    return Runtime::Guarded(L"Sendrel", [&] {
        aSendrel::ReplyItems items;
        *result = RunCheck(items);
        if (items.read && Given(sVersion)) {
            Runtime::Variant version;
            V_VT(version.Get()) = VT_BSTR;
            V_BSTR(version.Get()) = Runtime::AllocBstr(items.version);
            Runtime::WriteOut(sVersion, *version.Get());
        }
        if (items.read && Given(nSize)) {
            VARIANT size;
            V_VT(&size) = VT_R8;
            V_R8(&size) = items.size;
            Runtime::WriteOut(nSize, size);
        }
        return S_OK;
    });
}

short Sendrel::RunCheck(aSendrel::ReplyItems& items)
{
    struct Running {
        int& checks;
        explicit Running(int& count) : checks(++count) {}
        ~Running() { --checks; }
    } running(checks_);
    return aSendrel::CheckForUpdate(remotePath_, localVersion_, cancels_, items);
}

void Sendrel::ReadProperties(IPropertyBag* bag)
{
    using namespace Runtime;
    if (auto autoCheck = ReadBagBool(bag, L"AutoCheck")) put_AutoCheck(*autoCheck ? VARIANT_TRUE : VARIANT_FALSE);
    if (auto path = ReadBagText(bag, L"LocalPath")) localPath_ = *path;
    if (auto version = ReadBagText(bag, L"LocalVersion")) localVersion_ = *version;
    if (auto path = ReadBagText(bag, L"RemotePath")) remotePath_ = *path;
    if (auto style = ReadBagLong(bag, L"SaveStyle")) saveStyle_ = *style;
}

void Sendrel::WriteProperties(IPropertyBag* bag)
{
    // Every key the bag takes is saved; a refused one is reported after.
    Runtime::BagWriter out(bag);
    out.Bool(L"AutoCheck", toUpdate_.Enabled());
    out.Text(L"LocalPath", localPath_);
    out.Text(L"LocalVersion", localVersion_);
    out.Text(L"RemotePath", remotePath_);
    out.Long(L"SaveStyle", saveStyle_);
    out.RaiseIfRefused();
}
