// Centring a window over its owner, or over the screen's full-screen client area.
#include "ui/CentreWindow.h"

namespace {

// One axis: the reference span [low, high] and the window's extent; the lower clamp is the
// screen origin, not the reference's own edge, so a box may stick out left of its owner.
int CentreOnAxis(LONG low, LONG high, int extent)
{
    const int centred = low + (high - low + 1) / 2 - extent / 2;
    const int limit = high - extent;
    const int position = centred < limit ? centred : limit;
    return position > 0 ? position : 0;
}

}  // namespace

CentredPosition CentrePosition(const RECT& reference, const RECT& window)
{
    // One pixel more than the current size: every centring grows the window by a pixel.
    const int width = window.right - window.left + 1;
    const int height = window.bottom - window.top + 1;
    return {CentreOnAxis(reference.left, reference.right, width), CentreOnAxis(reference.top, reference.bottom, height),
            width, height};
}

void CentreWindow(HWND window)
{
    RECT reference = {0, 0, GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN)};
    if (HWND owner = GetWindow(window, GW_OWNER)) {
        GetWindowRect(owner, &reference);
    }
    RECT current;
    GetWindowRect(window, &current);
    const CentredPosition position = CentrePosition(reference, current);
    MoveWindow(window, position.x, position.y, position.width, position.height, FALSE);
}
