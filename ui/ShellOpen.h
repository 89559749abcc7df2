// Handing a folder or a web address to the shell's "open" verb.
#pragma once

#include <windows.h>

// What the program calls to open something in the shell; tests put a recorder in its place.
using ShellOpenFunction = INT_PTR (*)(HWND owner, const char* target);

// ShellExecuteA with "open" and SW_SHOWNORMAL; its result (above 32 on success).
INT_PTR OpenWithShell(HWND owner, const char* target);
