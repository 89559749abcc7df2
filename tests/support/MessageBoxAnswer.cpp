// Answers a system message box of this process from a second thread, keeping its text.
#include "support/MessageBoxAnswer.h"

namespace {

// The static control that holds a system message box's text.
constexpr int kMessageTextId = 0xFFFF;

struct Search {
    std::wstring caption;
    HWND found;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    if (process != GetCurrentProcessId() || lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window)) {
        return TRUE;
    }
    // Not GetWindowTextA: for a window of this process it sends WM_GETTEXT, which waits for
    // the test's thread, and that thread may be waiting for this one.
    wchar_t caption[256] = L"";
    InternalGetWindowText(window, caption, 256);
    if (search->caption == caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

std::wstring Widen(const std::string& text)
{
    wchar_t wide[256] = L"";
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, 256);
    return wide;
}

}  // namespace

MessageBoxAnswer::MessageBoxAnswer(const char* caption, int button, DWORD timeoutMs)
    : thread_(&MessageBoxAnswer::Answer, this, std::string(caption), button, timeoutMs)
{
}

MessageBoxAnswer::~MessageBoxAnswer()
{
    if (thread_.joinable()) {
        thread_.join();
    }
}

std::string MessageBoxAnswer::Text()
{
    if (thread_.joinable()) {
        thread_.join();
    }
    return text_;
}

void MessageBoxAnswer::Answer(std::string caption, int button, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    Search search = {Widen(caption), nullptr};
    while (!search.found && GetTickCount() - start < timeoutMs) {
        EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&search));
        if (!search.found) {
            Sleep(20);
        }
    }
    if (!search.found) {
        return;
    }
    char text[1024] = "";
    GetDlgItemTextA(search.found, kMessageTextId, text, sizeof text);
    text_ = text;
    SendMessageA(GetDlgItem(search.found, button), BM_CLICK, 0, 0);
}
