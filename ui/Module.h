// The module instance that window classes and windows are made with.
#pragma once

#include <windows.h>

// Null until the entry point stores it: classes registered by static constructors before
// then get a null instance, which the platform takes as the program's own module.
HINSTANCE ModuleInstance();
void SetModuleInstance(HINSTANCE instance);

// Average character width and line height (height + external leading) of the display's
// default font; false when no information context could be had.
bool DisplayFontMetrics(TEXTMETRICA* metrics);
