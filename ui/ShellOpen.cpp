// Handing a folder or a web address to the shell's "open" verb.
#include "ui/ShellOpen.h"

#include <shellapi.h>

INT_PTR OpenWithShell(HWND owner, const char* target)
{
    return reinterpret_cast<INT_PTR>(ShellExecuteA(owner, "open", target, nullptr, nullptr, SW_SHOWNORMAL));
}
