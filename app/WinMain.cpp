// The program's entry point.
#include <windows.h>

#include "app/Program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    return RunProgram(instance, showCommand);
}
