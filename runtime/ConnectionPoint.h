#pragma once
// One connection point of an object: the sinks that hosts connected for one
// outgoing interface. It lives inside its object and counts its references
// there.
#include <windows.h>
#include <ocidl.h>

#include <utility>
#include <vector>

#include "runtime/ScopedWin.h"

namespace Runtime {

class ConnectionPoint final : public IConnectionPoint {
public:
    // `container` owns this connection point; `iid` is the sinks' interface.
    // A dispinterface's sink (`dispatch`) may also be reached as IDispatch.
    ConnectionPoint(IConnectionPointContainer* container, REFIID iid, bool dispatch) noexcept
        : container_(container), iid_(iid), dispatch_(dispatch)
    {
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return container_->AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return container_->Release(); }
    STDMETHODIMP GetConnectionInterface(IID* iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** connections) override;

    const IID& Interface() const noexcept { return iid_; }

    // The connected sinks as `T` at this moment (a sink that disconnects
    // while another is called is still called this time).
    template <typename T>
    std::vector<ComPtr<T>> Sinks() const
    {
        std::vector<ComPtr<T>> sinks;
        for (const auto& [cookie, sink] : sinks_) {
            sink->AddRef();
            sinks.emplace_back(static_cast<T*>(sink.Get()));
        }
        return sinks;
    }

    // Drops every sink (the object is closing).
    void Clear() noexcept { sinks_.clear(); }

private:
    IConnectionPointContainer* container_;
    IID iid_;
    bool dispatch_;
    DWORD nextCookie_ = 1;
    std::vector<std::pair<DWORD, ComPtr<IUnknown>>> sinks_; // each held as the sink interface
};

// Calls DISPID `id` on every dispatch sink of `point` with `args` (in the
// order of the parameters); the sinks' own failures are ignored.
void FireEvent(const ConnectionPoint& point, DISPID id, std::vector<VARIANT> args);

} // namespace Runtime
