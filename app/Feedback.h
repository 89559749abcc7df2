// The program's effects outside its windows: the shell's "open" and the miss beep. Tests
// replace them so that nothing is launched and the test machine stays quiet.
#pragma once

#include <windows.h>

using OpenInShellFunction = INT_PTR (*)(HWND owner, const char* target);
using MissBeepFunction = void (*)();

extern OpenInShellFunction ShellOpen;
extern MissBeepFunction MissBeep;
