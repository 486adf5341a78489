#pragma once
// A timer control: no window of its own; it raises Timer every Interval
// milliseconds while it is enabled. All timers run on the runtime's one
// hidden message window. A timer of a form ticks only while the form is
// loaded: the first tick after the form was unloaded stops it (setting
// Enabled or Interval again restarts it); destroying the timer stops it.
//
// The class is TimerControl because its event keeps the name Timer.
#include "runtime/Control.h"

namespace Runtime {

class TimerControl : public Control {
public:
    TimerControl(Form* form, Control* container, std::wstring name, int index = -1);
    ~TimerControl() override;
    std::wstring TypeName() const override { return L"Timer"; }

    // Milliseconds between ticks, 0 to 65535; 0 stops the timer. Any other
    // value is the invalid-property error.
    long Interval() const noexcept { return interval_; }
    void SetInterval(long interval);
    void SetEnabled(bool enabled) override;
    // True while the system timer is set (enabled, an interval, not stopped).
    bool Running() const noexcept { return running_; }

    std::function<void()> Timer;

private:
    static void CALLBACK TimerProc(HWND wnd, UINT msg, UINT_PTR id, DWORD time);
    void Tick();
    void Start();
    void Stop();

    long interval_ = 0;
    UINT_PTR id_;
    bool running_ = false;
    bool busy_ = false;
};

} // namespace Runtime
