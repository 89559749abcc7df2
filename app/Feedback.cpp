// The program's effects outside its windows: the shell's "open" and the miss beep.
#include "app/Feedback.h"

#include <shellapi.h>

namespace {

INT_PTR OpenFolderWithShell(HWND owner, const char* target)
{
    return reinterpret_cast<INT_PTR>(ShellExecuteA(owner, "open", target, nullptr, nullptr, SW_SHOWNORMAL));
}

void BeepOnMiss() { Beep(440, 150); }

}  // namespace

OpenInShellFunction ShellOpen = OpenFolderWithShell;
MissBeepFunction MissBeep = BeepOnMiss;
