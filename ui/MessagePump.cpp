// Dispatching queued messages from inside long work on the user-interface thread.
#include "ui/MessagePump.h"

#include <windows.h>

int PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        if (message.message == WM_QUIT) {
            return 1;
        }
        // Accelerators are not translated here: only the main loop does that.
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            continue;
        }
        if (message.message == WM_QUIT) {
            // Posted between the two looks: put it back for the main loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            return 1;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
