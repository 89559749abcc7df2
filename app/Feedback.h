// The program's effects outside its windows that tests replace, so that nothing is
// launched and the test machine stays quiet: the shell's "open" and the miss beep.
#pragma once

#include "ui/ShellOpen.h"

using MissBeepFunction = void (*)();

extern ShellOpenFunction ShellOpen;
extern MissBeepFunction MissBeep;
