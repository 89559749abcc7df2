// Real keyboard and mouse input for the desktop (SendInput), as a user at the machine gives it.
#include "support/Input.h"

#include <vector>

namespace input {
namespace {

// A person does not type or move faster than the program's thread can take it; the pause
// also lets each event reach the program before the next one depends on its effect.
constexpr DWORD kKeyPauseMs = 15;
constexpr DWORD kMousePauseMs = 30;

INPUT Key(WORD virtualKey, bool up)
{
    INPUT event = {};
    event.type = INPUT_KEYBOARD;
    event.ki.wVk = virtualKey;
    event.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    event.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return event;
}

INPUT UnicodeKey(WCHAR unit, bool up)
{
    INPUT event = {};
    event.type = INPUT_KEYBOARD;
    event.ki.wScan = unit;
    event.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return event;
}

void Send(std::vector<INPUT> events)
{
    SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

// Absolute mouse coordinates run from 0 to 65535 across the primary screen and are scaled
// back to pixels by truncation; rounding up here makes the truncation land on the pixel.
LONG Normalised(LONG pixel, int screenSize)
{
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screenSize - 1) / screenSize);
}

INPUT Mouse(POINT screen, DWORD flags)
{
    INPUT event = {};
    event.type = INPUT_MOUSE;
    event.mi.dx = Normalised(screen.x, GetSystemMetrics(SM_CXSCREEN));
    event.mi.dy = Normalised(screen.y, GetSystemMetrics(SM_CYSCREEN));
    event.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return event;
}

}  // namespace

void PressKey(WORD virtualKey)
{
    Send({Key(virtualKey, false), Key(virtualKey, true)});
    Sleep(kKeyPauseMs);
}

void PressWith(WORD modifier, WORD virtualKey)
{
    Send({Key(modifier, false), Key(virtualKey, false), Key(virtualKey, true), Key(modifier, true)});
    Sleep(kKeyPauseMs);
}

void TypeText(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            const SHORT scan = VkKeyScanA(text[i++]);
            const WORD key = LOBYTE(scan);
            if (HIBYTE(scan) & 1) {
                PressWith(VK_SHIFT, key);
            } else {
                PressKey(key);
            }
            continue;
        }
        const int size = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        WCHAR units[2] = {};
        const int count = MultiByteToWideChar(CP_UTF8, 0, text.data() + i, size, units, 2);
        for (int k = 0; k < count; ++k) {
            Send({UnicodeKey(units[k], false), UnicodeKey(units[k], true)});
            Sleep(kKeyPauseMs);
        }
        i += static_cast<size_t>(size);
    }
}

void MoveMouseTo(POINT screen)
{
    Send({Mouse(screen, 0)});
    Sleep(kMousePauseMs);
}

void Click(POINT screen, int clicks)
{
    MoveMouseTo(screen);
    std::vector<INPUT> events;
    for (int i = 0; i < clicks; ++i) {
        events.push_back(Mouse(screen, MOUSEEVENTF_LEFTDOWN));
        events.push_back(Mouse(screen, MOUSEEVENTF_LEFTUP));
    }
    Send(events);
    Sleep(kMousePauseMs);
}

void Drag(POINT from, POINT to)
{
    MoveMouseTo(from);
    Send({Mouse(from, MOUSEEVENTF_LEFTDOWN)});
    Sleep(kMousePauseMs);
    constexpr int kSteps = 8;
    for (int step = 1; step <= kSteps; ++step) {
        const POINT at = {from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps};
        MoveMouseTo(at);
    }
    Send({Mouse(to, MOUSEEVENTF_LEFTUP)});
    Sleep(kMousePauseMs);
}

}  // namespace input
