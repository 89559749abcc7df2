// Dispatching queued messages from inside long work on the user-interface thread.
#include "ui/MessagePump.h"

#include <windows.h>

// Messages are taken and dispatched in their Unicode form, as in the main loop.
int PumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        if (message.message == WM_QUIT) {
            return 1;
        }
        // Accelerators are not translated here: only the main loop does that.
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            continue;
        }
        if (message.message == WM_QUIT) {
            // Posted between the two looks: put it back for the main loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            return 1;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
