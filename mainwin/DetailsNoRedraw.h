#pragma once
// Holds off the repainting of the window's detail areas (the lower panel,
// the status bars and the row headers) while a selection or a page fill
// changes them: under Wine each change would otherwise repaint its control
// at once, a millisecond or so apiece. They are repainted together when the
// guard ends.
#include "mainwin/fwMain.h"
#include "runtime/NoRedraw.h"

class DetailsNoRedraw {
public:
    explicit DetailsNoRedraw(fwMain& form)
        : down_(form.pbDown.hWnd()),
          headers_(form.pbFixVer.hWnd()),
          bar0_(form.pbStatus.empty() ? nullptr : form.pbStatus[0]->hWnd()),
          bar1_(form.pbStatus.size() < 2 ? nullptr : form.pbStatus[1]->hWnd())
    {
    }

private:
    Runtime::NoRedraw down_, headers_, bar0_, bar1_;
};
