// Dispatching queued messages from inside long work on the user-interface thread.
#pragma once

// Dispatches every queued message; returns 1 as soon as WM_QUIT is next in the queue (it
// is left there for the main loop), 0 when the queue is empty.
int PumpMessages();
