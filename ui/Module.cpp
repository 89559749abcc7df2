// The module instance that window classes and windows are made with.
#include "ui/Module.h"

namespace {
HINSTANCE moduleInstance = nullptr;
}

HINSTANCE ModuleInstance() { return moduleInstance; }

void SetModuleInstance(HINSTANCE instance) { moduleInstance = instance; }

bool DisplayFontMetrics(TEXTMETRICA* metrics)
{
    HDC context = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    if (!context) {
        return false;
    }
    const bool measured = GetTextMetricsA(context, metrics) != 0;
    DeleteDC(context);
    return measured;
}
