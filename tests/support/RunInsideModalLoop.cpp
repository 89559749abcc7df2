// Driving a modal wait from inside: actions run by thread timers in whatever loop is running.
#include "support/RunInsideModalLoop.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

namespace {

std::map<UINT_PTR, std::function<void()>>& PendingActions()
{
    static std::map<UINT_PTR, std::function<void()>> actions;
    return actions;
}

void CALLBACK RunAction(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    auto found = PendingActions().find(id);
    if (found == PendingActions().end()) {
        return;  // cancelled after its WM_TIMER was already queued
    }
    std::function<void()> action = std::move(found->second);
    PendingActions().erase(found);
    action();
}

struct WindowSearch {
    const char* className;
    HWND found;
    int count;
};

BOOL CALLBACK MatchClass(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    char name[64];
    if (GetClassNameA(window, name, sizeof name) && lstrcmpiA(name, search->className) == 0) {
        search->found = search->found ? search->found : window;
        ++search->count;
    }
    return TRUE;
}

BOOL CALLBACK CountDirectChild(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<std::pair<HWND, int>*>(lParam);
    if (GetParent(window) == search->first) {
        ++search->second;
    }
    return TRUE;
}

}  // namespace

UINT_PTR RunInsideModalLoop(std::function<void()> action, UINT delayMs)
{
    const UINT_PTR id = SetTimer(nullptr, 0, delayMs, RunAction);
    PendingActions()[id] = std::move(action);
    return id;
}

void CancelModalAction(UINT_PTR id)
{
    KillTimer(nullptr, id);
    PendingActions().erase(id);
}

void CancelAllModalActions()
{
    for (const auto& entry : PendingActions()) {
        KillTimer(nullptr, entry.first);
    }
    PendingActions().clear();
}

void GuardAgainstOpenWindow(const char* className, UINT delayMs)
{
    const std::string name = className;
    RunInsideModalLoop(
        [name] {
            if (HWND window = FindThreadWindow(name.c_str())) {
                ADD_FAILURE() << "a " << name << " window was still open";
                DestroyWindow(window);
            }
        },
        delayMs);
}

void PressKey(WPARAM key)
{
    SendMessageA(GetFocus(), WM_KEYDOWN, key, 1);
    SendMessageA(GetFocus(), WM_KEYUP, key, 0xC0000001);  // previous state down, now released
}

HWND FindThreadWindow(const char* className)
{
    WindowSearch search = {className, nullptr, 0};
    EnumThreadWindows(GetCurrentThreadId(), MatchClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int CountThreadWindows(const char* className)
{
    WindowSearch search = {className, nullptr, 0};
    EnumThreadWindows(GetCurrentThreadId(), MatchClass, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

int CountChildWindows(HWND parent)
{
    std::pair<HWND, int> search(parent, 0);
    EnumChildWindows(parent, CountDirectChild, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

std::string TitleOf(HWND window)
{
    char text[256] = "";
    if (window) {
        GetWindowTextA(window, text, sizeof text);
    }
    return text;
}
