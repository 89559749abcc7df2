// The program's effects outside its windows that tests replace.
#include "app/Feedback.h"

namespace {
void BeepOnMiss() { Beep(440, 150); }
}  // namespace

ShellOpenFunction ShellOpen = OpenWithShell;
MissBeepFunction MissBeep = BeepOnMiss;
