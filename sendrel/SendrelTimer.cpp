// The control's own timer: the once-a-day check and the stored result.
#include "sendrel/Sendrel.h"

#include "common/CompareVersions.h"
#include "common/Ini.h"
#include "common/NumberText.h"
#include "common/Registry.h"
#include "common/Val.h"
#include "runtime/ComVariant.h"
#include "sendrel/CheckForUpdate.h"
#include "sendrel/Today.h"

namespace {

constexpr DISPID kNewVersionId = 1;

} // namespace

void Sendrel::toUpdate_Timer()
{
    AddRef();
    Runtime::ComPtr<IUnknown> self(static_cast<IOleObject*>(this));
    if (ticks_ == 0)
        ticks_ = 3600;
    else if (ticks_ < 3600)
        ++ticks_;
    if (ticks_ == 3600 && checks_ == 0) {
        ticks_ = 1;
        DailyCheck();
    }
}

void Sendrel::DailyCheck()
{
    std::wstring today = aSendrel::Today();
    if (today == ReadSetting(L"LastDate", REG_DWORD)) return;
    aSendrel::ReplyItems items;
    if (RunCheck(items) <= 0) return;
    std::wstring old = ReadSetting(L"LastVer", REG_SZ);
    WriteSetting(L"LastVer", REG_SZ, items.version);
    WriteSetting(L"LastDate", REG_DWORD, today);
    if (Common::CompareVersions(old, items.version) != 0) {
        VARIANT version;
        V_VT(&version) = VT_BSTR;
        V_BSTR(&version) = Runtime::AllocBstr(items.version);
        Runtime::FireEvent(Events(), kNewVersionId, {version});
        VariantClear(&version);
    }
}

// Without a LocalPath (or, for an INI file, without the instance's name for
// its section) there is no place for the result: nothing is read or written,
// rather than values at the root of HKEY_LOCAL_MACHINE or a nameless section.
std::wstring Sendrel::ReadSetting(const std::wstring& name, DWORD kind) const
{
    if (localPath_.empty()) return {};
    if (saveStyle_ == RegSave) return Common::RegRead(HKEY_LOCAL_MACHINE, localPath_, name, nullptr, kind);
    std::wstring section = ExtenderName();
    if (section.empty()) return {};
    if (kind == REG_DWORD) return Common::NumberText(Common::IniReadNumber(localPath_, section, name));
    return Common::IniReadString(localPath_, section, name);
}

void Sendrel::WriteSetting(const std::wstring& name, DWORD kind, const std::wstring& value) const
{
    if (localPath_.empty()) return;
    if (saveStyle_ == RegSave) {
        Common::RegWrite(HKEY_LOCAL_MACHINE, localPath_, name, value, kind);
        return;
    }
    std::wstring section = ExtenderName();
    if (section.empty()) return;
    if (kind == REG_DWORD)
        Common::IniWriteNumber(localPath_, section, name, Common::Val(value), true);
    else
        Common::IniWriteString(localPath_, section, name, value, true);
}
