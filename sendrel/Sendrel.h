#pragma once
// The Sendrel control: tells its host whether a newer version of the host
// application is published, on demand (CheckForUpdate) or by itself once a
// day on its timer (the NewVersion event), and keeps the newest version it
// found in the registry or in an INI file.
#include "Sendrel_h.h"

#include <new>
#include <string>

#include "runtime/DualControl.h"
#include "runtime/ThreadTimer.h"
#include "sendrel/CheckForUpdate.h"

class Sendrel final : public Runtime::DualControl<_Sendrel> {
public:
    // The class factory's creation function.
    static HRESULT Create(REFIID iid, void** object)
    {
        return Runtime::ComServer::HandOutMade(iid, object, [] { return new Sendrel(); });
    }

    // _Sendrel
    STDMETHODIMP get_AutoCheck(VARIANT_BOOL* value) override;
    STDMETHODIMP put_AutoCheck(VARIANT_BOOL value) override;
    STDMETHODIMP get_LocalPath(BSTR* value) override;
    STDMETHODIMP put_LocalPath(BSTR value) override;
    STDMETHODIMP get_LocalVersion(BSTR* value) override;
    STDMETHODIMP put_LocalVersion(BSTR value) override;
    STDMETHODIMP get_RemotePath(BSTR* value) override;
    STDMETHODIMP put_RemotePath(BSTR value) override;
    STDMETHODIMP get_SaveStyle(SaveStyleConst* value) override;
    STDMETHODIMP put_SaveStyle(SaveStyleConst value) override;
    STDMETHODIMP get_Version(BSTR* value) override;
    STDMETHODIMP AboutBox() override;
    STDMETHODIMP Cancel() override;
    STDMETHODIMP CheckForUpdate(VARIANT* sVersion, VARIANT* nSize, short* result) override;

    // IOleObject: a host that closes the control waits for no answer any
    // more, so its checks end as cancelled.
    STDMETHODIMP Close(DWORD saveOption) override;

    // One tick of the control's one-second timer: checks on the first tick
    // and then every 3,599 ticks, unless a newer version was found today.
    // A check that falls due while one of this control's checks runs waits
    // for the first tick after it: started inside that check's wait, it
    // would hold the running check's return until its own end.
    void toUpdate_Timer();

private:
    Sendrel();

    void ReadProperties(IPropertyBag* bag) override;
    void WriteProperties(IPropertyBag* bag) override;
    void Paint(HDC dc, const RECT& rect) override;
    SIZE PixelSize() const override { return {32, 32}; }

    // Stores a text property and tells the host.
    HRESULT LetText(std::wstring& field, BSTR value, DISPID id);
    // A check of this control, counted in checks_ while it runs.
    short RunCheck(aSendrel::ReplyItems& items);
    void DailyCheck();
    // The stored result: kind REG_SZ for "LastVer", REG_DWORD for "LastDate".
    std::wstring ReadSetting(const std::wstring& name, DWORD kind) const;
    void WriteSetting(const std::wstring& name, DWORD kind, const std::wstring& value) const;
    static void DrawFrame(HDC dc, const RECT& rect);

    Runtime::ThreadTimer toUpdate_;
    long saveStyle_ = FileSave;
    std::wstring remotePath_, localPath_, localVersion_;
    short ticks_ = 0;
    int checks_ = 0;
    aSendrel::CancelCount cancels_ = 0;
};
